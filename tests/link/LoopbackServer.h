#pragma once
// A ZEKO server stand-in for tests: listens on 127.0.0.1 at a free port, accepts clients and
// lets the test send raw bytes and read the lines the client sent. Every wait has a time
// limit so that a failing test never hangs.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace linktest {

using namespace std::chrono_literals;

class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int Port() const { return port_; }
    // Accepts the next client; false when none came in time.
    bool Accept(std::chrono::milliseconds timeout = 2000ms);
    // Sends bytes to the accepted client as one write (blocking, bounded by `timeout`).
    bool Send(const std::string& bytes, std::chrono::milliseconds timeout = 2000ms);
    // The next line the client sent, without its "\r\n"; "" with `ok` false on time-out or
    // end of stream.
    std::string ReadLine(bool* ok = nullptr, std::chrono::milliseconds timeout = 2000ms);
    // True when the client closed its side (reads everything pending first).
    bool WaitForEof(std::chrono::milliseconds timeout = 2000ms);
    // True when nothing arrives within `quiet`.
    bool NothingArrives(std::chrono::milliseconds quiet = 150ms);
    // Closes the connection to the client (without a farewell line).
    void DropClient();
    // Stops listening (new connections are refused).
    void StopListening();

private:
    bool Fill(std::chrono::milliseconds timeout);  // reads once into pending_

    int listener_ = -1;
    int client_ = -1;
    int port_ = 0;
    std::string pending_;
    bool eof_ = false;
};

// A port on 127.0.0.1 where nothing listens.
int UnusedPort();

// Polls `condition` until it holds or `timeout` passes.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 2000ms);

}  // namespace linktest
