#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace linktest {
namespace {

int ListenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 8) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0) close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool WaitFor(int fd, short events, std::chrono::milliseconds timeout) {
    pollfd waiting{fd, events, 0};
    return poll(&waiting, 1, static_cast<int>(timeout.count())) == 1;
}

}  // namespace

LoopbackServer::LoopbackServer() {
    listener_ = ListenOnLoopback(port_);
}

LoopbackServer::~LoopbackServer() {
    DropClient();
    StopListening();
}

bool LoopbackServer::Accept(std::chrono::milliseconds timeout) {
    if (listener_ < 0 || !WaitFor(listener_, POLLIN, timeout)) return false;
    DropClient();
    client_ = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    pending_.clear();
    eof_ = false;
    return client_ >= 0;
}

bool LoopbackServer::Send(const std::string& bytes, std::chrono::milliseconds timeout) {
    std::size_t done = 0;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (client_ >= 0 && done < bytes.size()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitFor(client_, POLLOUT, left)) return false;
        const ssize_t sent =
            send(client_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0) return false;
        done += static_cast<std::size_t>(sent);
    }
    return done == bytes.size();
}

bool LoopbackServer::Fill(std::chrono::milliseconds timeout) {
    if (client_ < 0 || eof_ || !WaitFor(client_, POLLIN, timeout)) return false;
    char buffer[4096];
    const ssize_t received = recv(client_, buffer, sizeof buffer, 0);
    if (received <= 0) {
        eof_ = true;
        return false;
    }
    pending_.append(buffer, static_cast<std::size_t>(received));
    return true;
}

std::string LoopbackServer::ReadLine(bool* ok, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::size_t end = pending_.find("\r\n");
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 2);
            if (ok) *ok = true;
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(left)) break;
    }
    if (ok) *ok = false;
    return "";
}

bool LoopbackServer::WaitForEof(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!eof_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        Fill(left);
    }
    return true;
}

bool LoopbackServer::NothingArrives(std::chrono::milliseconds quiet) {
    const std::size_t before = pending_.size();
    Fill(quiet);
    return pending_.size() == before;
}

void LoopbackServer::DropClient() {
    if (client_ >= 0) close(client_);
    client_ = -1;
}

void LoopbackServer::StopListening() {
    if (listener_ >= 0) close(listener_);
    listener_ = -1;
}

int UnusedPort() {
    int port = 0;
    const int fd = ListenOnLoopback(port);
    if (fd >= 0) close(fd);
    return port;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

}  // namespace linktest
