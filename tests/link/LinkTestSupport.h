#pragma once
// Shared pieces of the link tests: a ZEKO server stand-in on loopback, a notification target
// that records what a client posts, and a fixture that runs each test in a fresh current
// folder (clients write "zekoclient.log" there).
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "link/ZekoClient.h"
#include "link/ZekoLog.h"
#include "support/TempDir.h"

namespace linktest {

using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;

inline bool Readable(int fd, Ms timeout) {
    pollfd waiting{fd, POLLIN, 0};
    return poll(&waiting, 1, static_cast<int>(timeout.count() > 0 ? timeout.count() : 0)) == 1;
}

// Listens on 127.0.0.1 at a free port and serves one client at a time. Every wait has a
// time limit so that a failing test never hangs.
class LoopbackServer {
public:
    LoopbackServer() {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        listen(listener_, 8);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackServer() {
        DropClient();
        close(listener_);
    }
    int Port() const { return port_; }
    bool Accept(Ms timeout = 5000ms) {
        if (!Readable(listener_, timeout)) return false;
        DropClient();
        client_ = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        const timeval sendLimit{5, 0};
        setsockopt(client_, SOL_SOCKET, SO_SNDTIMEO, &sendLimit, sizeof sendLimit);
        pending_.clear();
        return !(eof_ = client_ < 0);
    }
    // Sends the bytes with one blocking write (at most 5 s without progress).
    bool Send(const std::string& bytes) {
        return send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
    }
    // The next line the client sent, without "\r\n"; none on time-out or end of stream.
    std::optional<std::string> ReadLine(Ms timeout = 5000ms) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        std::size_t end;
        while ((end = pending_.find("\r\n")) == std::string::npos)
            if (!Fill(std::chrono::duration_cast<Ms>(deadline - std::chrono::steady_clock::now())))
                return std::nullopt;
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 2);
        return line;
    }
    bool Eof() const { return eof_; }
    void DropClient() { close(std::exchange(client_, -1)); }  // (close(-1) does nothing)

private:
    bool Fill(Ms timeout) {
        char buffer[4096];
        if (eof_ || !Readable(client_, timeout)) return false;
        const ssize_t received = recv(client_, buffer, sizeof buffer, 0);
        if (received > 0) pending_.append(buffer, static_cast<std::size_t>(received));
        return !(eof_ = received <= 0);
    }
    int listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), client_ = -1, port_ = 0;
    std::string pending_;
    bool eof_ = true;
};

inline bool WaitUntil(const std::function<bool()>& condition, Ms timeout = 5000ms) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (; !condition(); std::this_thread::sleep_for(1ms))
        if (std::chrono::steady_clock::now() >= deadline) return false;
    return true;
}

// Records each notification code, and a close request as kClose, in arrival order.
class RecordingTarget : public dw::IZekoNotifyTarget {
public:
    static constexpr int kClose = -1;
    void PostNotify(int message, int code) override {
        std::lock_guard lock(mutex_);
        message_ = message;
        codes_.push_back(code);
    }
    void PostClose() override { PostNotify(message_, kClose); }
    std::vector<int> Codes() const {
        std::lock_guard lock(mutex_);
        return codes_;
    }
    std::atomic<int> message_{0};
    // While the test holds this, a notification waits: so does the client's dispatcher.
    std::unique_lock<std::mutex> Hold() { return std::unique_lock(mutex_); }

private:
    mutable std::mutex mutex_;
    std::vector<int> codes_;
};

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::current_path(folder_.Path()); }
    void TearDown() override { std::filesystem::current_path(previous_); }
    std::string Log() const { return dwtest::ReadFile(folder_.File(dw::kZekoLogFile)); }
    void ClearLog() const { std::filesystem::remove(folder_.File(dw::kZekoLogFile)); }
    // Opens `client` with notifications to `target` (message 1025); true once it connected
    // and the server accepted it.
    bool OpenOn(dw::CZekoClient& client, const dw::SubscriptionEntry* list,
                RecordingTarget* target = nullptr) {
        client.SetNotifyWindow(target ? target : &target_, 1025);
        client.Open("127.0.0.1", list, server_.Port());
        return client.IsConnected() && server_.Accept();
    }
    // Ends the connection from the server's side, without the 250 ms wait of a Close.
    void Drop(const dw::CZekoClient& client) {
        server_.DropClient();
        EXPECT_TRUE(WaitUntil([&] { return !client.IsConnected(); }));
    }

    dwtest::TempDir folder_;
    std::filesystem::path previous_ = std::filesystem::current_path();
    LoopbackServer server_;
    RecordingTarget target_;
};

}  // namespace linktest
