#pragma once
// Shared pieces of the link tests: a ZEKO server stand-in on loopback, a port that refuses
// connections, notification targets, and a fixture that runs each test in a fresh
// current folder (clients write "zekoclient.log" there).
//
// No test depends on timing: every wait is for a condition, with a limit (kPatience) that
// only a real hang reaches, however busy the machine.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "link/ZekoClient.h"
#include "link/ZekoLog.h"
#include "support/TempDir.h"

namespace linktest {

using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;

inline constexpr Ms kPatience = 60s;

inline bool Readable(int fd, Ms timeout) {
    pollfd waiting{fd, POLLIN, 0};
    return poll(&waiting, 1, static_cast<int>(timeout.count() > 0 ? timeout.count() : 0)) == 1;
}

inline bool WaitUntil(const std::function<bool()>& condition, Ms timeout = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (; !condition(); std::this_thread::sleep_for(1ms))
        if (std::chrono::steady_clock::now() >= deadline) return false;
    return true;
}

// A socket bound to a free loopback port; the test owns the port while the object lives.
class OwnedPort {
public:
    OwnedPort() {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t length = sizeof address;
        bind(fd_, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~OwnedPort() { close(fd_); }
    OwnedPort(const OwnedPort&) = delete;
    OwnedPort& operator=(const OwnedPort&) = delete;
    int Port() const { return port_; }
    int Fd() const { return fd_; }

private:
    int fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), port_ = 0;
};

// A port nobody listens on: connecting to it is refused.
using ClosedPort = OwnedPort;

// Listens on a loopback port of its own and serves one client at a time. With a
// `receiveBuffer`, its connections take only that much before the client must wait.
class LoopbackServer {
public:
    explicit LoopbackServer(int receiveBuffer = 0) {
        if (receiveBuffer > 0)
            setsockopt(port_.Fd(), SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        listen(port_.Fd(), 8);
    }
    ~LoopbackServer() { DropClient(); }
    int Port() const { return port_.Port(); }
    bool Accept(Ms timeout = kPatience) {
        if (!Readable(port_.Fd(), timeout)) return false;
        DropClient();
        client_ = accept4(port_.Fd(), nullptr, nullptr, SOCK_CLOEXEC);
        const timeval sendLimit{static_cast<time_t>(kPatience.count() / 1000), 0};
        const int noDelay = 1;
        setsockopt(client_, SOL_SOCKET, SO_SNDTIMEO, &sendLimit, sizeof sendLimit);
        setsockopt(client_, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        pending_.clear();
        return !(eof_ = client_ < 0);
    }
    // Sends the bytes with one blocking write (failing when the client takes nothing for
    // kPatience or has gone).
    bool Send(const std::string& bytes) {
        return send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
    }
    // The next line the client sent, without "\r\n"; none on time-out or end of stream.
    std::optional<std::string> ReadLine(Ms timeout = kPatience) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        std::size_t end;
        while ((end = pending_.find("\r\n")) == std::string::npos)
            if (!Fill(std::chrono::duration_cast<Ms>(deadline - std::chrono::steady_clock::now())))
                return std::nullopt;
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 2);
        return line;
    }
    // Everything the client sends until it closes the connection (what ReadLine has not
    // taken yet included); false on time-out.
    bool ReadToEnd(std::string& bytes) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!eof_ &&
               Fill(std::chrono::duration_cast<Ms>(deadline - std::chrono::steady_clock::now()))) {
        }
        bytes = std::exchange(pending_, "");
        return eof_;
    }
    void DropClient() { close(std::exchange(client_, -1)); }  // (close(-1) does nothing)

private:
    bool Fill(Ms timeout) {
        char buffer[4096];
        if (eof_ || !Readable(client_, timeout)) return false;
        const ssize_t received = recv(client_, buffer, sizeof buffer, 0);
        if (received > 0) pending_.append(buffer, static_cast<std::size_t>(received));
        return !(eof_ = received <= 0);
    }
    OwnedPort port_;
    int client_ = -1;
    std::string pending_;
    bool eof_ = true;
};

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
    // `receiveBuffer` as for LoopbackServer.
    explicit LinkTest(int receiveBuffer = 0) : server_(receiveBuffer) {}
    void SetUp() override { std::filesystem::current_path(folder_.Path()); }
    void TearDown() override { std::filesystem::current_path(previous_); }
    std::string Log() const { return dwtest::ReadFile(folder_.File(dw::kZekoLogFile)); }
    void ClearLog() const { std::filesystem::remove(folder_.File(dw::kZekoLogFile)); }
    // Opens `client` with notifications to `target` (message 1025); true once it connected
    // and the server accepted it.
    bool OpenOn(dw::CZekoClient& client, const dw::SubscriptionEntry* list,
                dw::IZekoNotifyTarget* target = nullptr) {
        client.SetNotifyWindow(target ? target : &target_, 1025);
        client.Open("127.0.0.1", list, server_.Port());
        return client.IsConnected() && server_.Accept();
    }
    // Ends the connection from the server's side.
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
