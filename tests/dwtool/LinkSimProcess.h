#pragma once
// A dwtool child process for the sim and monitor tests: started with its stdout and stderr
// on one pipe (stdin from /dev/null), read while it runs, stopped with a signal. Every wait
// has a time limit, and the destructor kills a process that is still running.
#include <chrono>
#include <string>
#include <vector>

namespace linksim {

using namespace std::chrono_literals;

class ToolProcess {
public:
    // Starts $DWTOOL with `args` in `folder`; Started() tells whether that worked. Its
    // standard input is /dev/null, or a pipe for Type() when `withInput` is set.
    ToolProcess(const std::vector<std::string>& args, const std::string& folder,
                bool withInput = false);
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // Reads output until it contains `text`; false on time-out or end of output.
    bool WaitFor(const std::string& text, std::chrono::milliseconds timeout = 3000ms);
    // The exit code once the process ended (reading the rest of its output), -1 on time-out.
    int Wait(std::chrono::milliseconds timeout = 3000ms);
    void Signal(int signal);
    // Writes text to the process's standard input.
    bool Type(const std::string& text);
    // Everything read so far.
    const std::string& Output() const { return output_; }

private:
    bool ReadSome(std::chrono::milliseconds timeout);

    int pid_ = -1;
    int pipe_ = -1;
    int input_ = -1;
    std::string output_;
    int exitCode_ = -1;
};

// The port in the sim's line "dwtool sim: listening on 127.0.0.1:PORT", or 0.
int ListeningPort(const std::string& output);

// A bare TCP client for looking at the sim's lines byte for byte.
class RawClient {
public:
    explicit RawClient(int port);
    ~RawClient();
    bool Connected() const { return fd_ >= 0; }
    bool Send(const std::string& bytes);
    // The lines received within `time` (each without its "\r\n"), and whether the server
    // closed the connection.
    std::vector<std::string> LinesFor(std::chrono::milliseconds time, bool* closed = nullptr);

private:
    int fd_ = -1;
    std::string pending_;
};

}  // namespace linksim
