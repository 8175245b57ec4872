#include "LinkSimProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

extern char** environ;

namespace linksim {

ToolProcess::ToolProcess(const std::vector<std::string>& args, const std::string& folder,
                         bool withInput) {
    const char* tool = std::getenv("DWTOOL");
    if (!tool || !*tool) return;
    int fds[2];
    int inputFds[2] = {-1, -1};
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    if (withInput && pipe2(inputFds, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (withInput)
        posix_spawn_file_actions_adddup2(&actions, inputFds[0], 0);
    else
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<std::string> all = {tool};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, tool, &actions, nullptr, argv.data(), environ) == 0) pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    pipe_ = fds[0];
    if (withInput) {
        close(inputFds[0]);
        input_ = inputFds[1];
    }
}

bool ToolProcess::Type(const std::string& text) {
    return input_ >= 0 &&
           write(input_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

ToolProcess::~ToolProcess() {
    if (pid_ > 0 && exitCode_ < 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (pipe_ >= 0) close(pipe_);
    if (input_ >= 0) close(input_);
}

bool ToolProcess::ReadSome(std::chrono::milliseconds timeout) {
    pollfd waiting{pipe_, POLLIN, 0};
    if (pipe_ < 0 || poll(&waiting, 1, static_cast<int>(timeout.count())) != 1) return false;
    char buffer[4096];
    const ssize_t got = read(pipe_, buffer, sizeof buffer);
    if (got <= 0) {
        close(pipe_);
        pipe_ = -1;
        return false;
    }
    output_.append(buffer, static_cast<std::size_t>(got));
    return true;
}

bool ToolProcess::WaitFor(const std::string& text, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (output_.find(text) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !ReadSome(left)) return output_.find(text) != std::string::npos;
    }
    return true;
}

int ToolProcess::Wait(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (exitCode_ < 0 && std::chrono::steady_clock::now() < deadline) {
        ReadSome(20ms);
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_)
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    while (ReadSome(50ms)) {
    }
    return exitCode_;
}

void ToolProcess::Signal(int signal) {
    if (pid_ > 0 && exitCode_ < 0) kill(pid_, signal);
}

int ListeningPort(const std::string& output) {
    const std::string mark = "listening on 127.0.0.1:";
    const std::size_t at = output.find(mark);
    if (at == std::string::npos) return 0;
    return std::atoi(output.c_str() + at + mark.size());
}

RawClient::RawClient(int port) {
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (fd_ >= 0 && connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

RawClient::~RawClient() {
    if (fd_ >= 0) close(fd_);
}

bool RawClient::Send(const std::string& bytes) {
    return fd_ >= 0 && send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
                           static_cast<ssize_t>(bytes.size());
}

std::vector<std::string> RawClient::LinesFor(std::chrono::milliseconds time, bool* closed) {
    if (closed) *closed = false;
    const auto deadline = std::chrono::steady_clock::now() + time;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd_, POLLIN, 0};
        if (fd_ < 0 || left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) != 1)
            break;
        char buffer[4096];
        const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
        if (got <= 0) {
            if (closed) *closed = true;
            break;
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
    std::vector<std::string> lines;
    for (std::size_t end; (end = pending_.find("\r\n")) != std::string::npos;) {
        lines.push_back(pending_.substr(0, end));
        pending_.erase(0, end + 2);
    }
    return lines;
}

}  // namespace linksim
