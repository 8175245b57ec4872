#pragma once
// Helpers of the dwtool tests: a dwtool child process (stdout and stderr on one pipe, stdin a
// pipe for commands, settings of its own), a bare TCP client for looking at the sim's bytes and a
// loopback port that refuses connections; and the fixture that runs dwtool sim.
//
// No test depends on timing: every wait is for a condition (a text, a number of lines, the
// end of a process), with a limit (kPatience) that only a real hang reaches. A process still
// running at the end is killed.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/TempDir.h"

namespace linksim {

using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

inline constexpr Ms kPatience = 60s;

// Appends what `fd` delivers before `deadline`: 1 when it read something, 0 on time-out, -1
// at the end of the stream.
inline int ReadSome(int fd, std::string& into, Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<Ms>(deadline - Clock::now()).count();
    pollfd waiting{fd, POLLIN, 0};
    char buffer[4096];
    if (fd < 0) return -1;
    if (poll(&waiting, 1, static_cast<int>(std::max<Ms::rep>(left, 0))) != 1) return 0;
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) into.append(buffer, static_cast<std::size_t>(got));
    return got > 0 ? 1 : -1;
}

class ToolProcess {
public:
    // Starts $DWTOOL with `args` in `folder`.
    ToolProcess(std::vector<std::string> args, const std::string& folder) {
        int out[2], in[2];
        if (!getenv("DWTOOL") || pipe2(out, O_CLOEXEC) != 0 || pipe2(in, O_CLOEXEC) != 0) return;
        args.insert(args.begin(), getenv("DWTOOL"));
        // Settings come from config/ in the folder, never from the user's.
        std::vector<std::string> env{"XDG_CONFIG_HOME=" + folder + "/config"};
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("XDG_CONFIG_HOME=", 0) != 0) env.push_back(*e);
        std::vector<char*> argv, envp;
        for (std::string& arg : args) argv.push_back(arg.data());
        for (std::string& entry : env) envp.push_back(entry.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        if ((pid_ = fork()) == 0) {
            dup2(in[0], 0), dup2(out[1], 1), dup2(out[1], 2);
            if (chdir(folder.c_str()) == 0) execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        close(out[1]);
        close(in[0]);
        output_ = out[0];
        input_ = in[1];
    }
    ~ToolProcess() {
        if (pid_ > 0 && exitCode_ < 0) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
        close(output_), close(input_);
    }
    // Reads output until it contains `text`; false on time-out or end of output.
    bool WaitFor(const std::string& text, Ms timeout = kPatience) {
        const auto deadline = Clock::now() + timeout;
        while (out.find(text) == std::string::npos)
            if (ReadSome(output_, out, deadline) <= 0) return false;
        return true;
    }
    // The exit code once the process ended (with all its output read), -1 on time-out.
    int Wait(Ms timeout = kPatience) {
        const auto deadline = Clock::now() + timeout;
        for (int status; pid_ > 0 && exitCode_ < 0 && Clock::now() < deadline;)
            if (ReadSome(output_, out, Clock::now() + 20ms) <= 0 &&
                waitpid(pid_, &status, WNOHANG) == pid_)
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return exitCode_;
    }
    void Signal(int signal) { kill(pid_, signal); }
    bool Type(const std::string& text) { return write(input_, text.data(), text.size()) > 0; }

    std::string out;  // everything read so far

private:
    pid_t pid_ = -1;
    int output_ = -1, input_ = -1, exitCode_ = -1;
};

// A bare TCP client of a server on 127.0.0.1.
class RawClient {
public:
    explicit RawClient(int port) {
        sockaddr_in address{AF_INET, htons(uint16_t(port)), {htonl(INADDR_LOOPBACK)}, {}};
        if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            close(std::exchange(fd_, -1));
    }
    ~RawClient() { close(fd_); }
    bool Send(const std::string& bytes) {
        return send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
    }
    // The next `count` lines (without "\r\n"); fewer, then "(closed)", when the server
    // closes the connection first.
    std::vector<std::string> Lines(std::size_t count) {
        const auto deadline = Clock::now() + kPatience;
        std::vector<std::string> lines;
        while (lines.size() < count) {
            const std::size_t end = pending_.find("\r\n");
            if (end != std::string::npos) {
                lines.push_back(pending_.substr(0, end));
                pending_.erase(0, end + 2);
            } else if (const int got = ReadSome(fd_, pending_, deadline); got <= 0) {
                if (got < 0) lines.push_back("(closed)");
                break;
            }
        }
        return lines;
    }
    // Every line until the server closes the connection, then "(closed)".
    std::vector<std::string> LinesToEnd() { return Lines(std::size_t(-1)); }

private:
    int fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    std::string pending_;
};

// A loopback port bound by the test and not listening: connections to it are refused, and no
// other program can take it while the object lives.
class ClosedPort {
public:
    ClosedPort() {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t length = sizeof address;
        bind(fd_, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~ClosedPort() { close(fd_); }
    int Port() const { return port_; }

private:
    int fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), port_ = 0;
};

// dwtool processes in a temporary folder, one of them the sim.
class SimTest : public ::testing::Test {
protected:
    std::unique_ptr<ToolProcess> Tool(const std::vector<std::string>& args) {
        return std::make_unique<ToolProcess>(args, folder_.Path().string());
    }
    // Starts `dwtool sim --port 0 ARGS... --scenario FILE` and returns the port of its line
    // "dwtool sim: listening on 127.0.0.1:PORT" (0 if none).
    int StartSim(const std::string& scenario, std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"sim", "--port", "0"});
        if (!scenario.empty()) args.insert(args.end(), {"--scenario", Scenario(scenario)});
        const std::string mark = "listening on 127.0.0.1:";
        sim_ = Tool(args);
        return sim_->WaitFor(mark) ? atoi(sim_->out.c_str() + sim_->out.find(mark) + mark.size())
                                   : 0;
    }
    std::string Scenario(const std::string& text) { return folder_.Write("scenario.txt", text); }

    dwtest::TempDir folder_;
    std::unique_ptr<ToolProcess> sim_;
};

}  // namespace linksim
