#pragma once
// A ZEKO server stand-in for whole-run tests: listens on 127.0.0.1 at a free port, serves
// one client at a time on a thread of its own, records every line the client sends and
// sends lines on request. Every wait has a time limit, so a failing test never hangs.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace dwtest {

class ZekoTestServer {
public:
    using Ms = std::chrono::milliseconds;

    ZekoTestServer() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        listen(listener_, 4);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        if (pipe(wake_) != 0) wake_[0] = wake_[1] = -1;
        thread_ = std::thread([this] { Serve(); });
    }
    ~ZekoTestServer() {
        stop_.store(true);
        Wake();
        thread_.join();
        close(listener_);
        close(wake_[0]);
        close(wake_[1]);
    }
    int Port() const { return port_; }

    // Sends `line` and "\r\n" to the connected client (when there is one).
    void Send(const std::string& line) {
        std::lock_guard<std::mutex> lock(mutex_);
        outgoing_ += line + "\r\n";
        Wake();
    }
    // Ends the connection from the server's side.
    void DropClient() {
        std::lock_guard<std::mutex> lock(mutex_);
        dropRequested_ = true;
        Wake();
    }
    std::vector<std::string> Lines() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }
    int Connections() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return connections_;
    }
    // Waits until `condition(lines)` holds; false on time-out.
    bool WaitFor(const std::function<bool(const std::vector<std::string>&)>& condition,
                 Ms timeout = Ms(10000)) const {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] { return condition(lines_); });
    }
    bool WaitForLine(const std::string& text, Ms timeout = Ms(10000)) const {
        return WaitFor(
            [&](const std::vector<std::string>& lines) {
                for (const std::string& line : lines)
                    if (line.find(text) != std::string::npos) return true;
                return false;
            },
            timeout);
    }

private:
    void Wake() {
        const char byte = 1;
        [[maybe_unused]] const ssize_t ignored = write(wake_[1], &byte, 1);
    }
    void Serve() {
        int client = -1;
        std::string pending;
        while (!stop_.load()) {
            pollfd fds[3] = {{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}, {client, POLLIN, 0}};
            poll(fds, client >= 0 ? 3 : 2, 200);
            if (fds[0].revents & POLLIN) {
                char drain[64];
                [[maybe_unused]] const ssize_t ignored = read(wake_[0], drain, sizeof drain);
            }
            if ((fds[1].revents & POLLIN) && client < 0) {
                client = accept(listener_, nullptr, nullptr);
                std::lock_guard<std::mutex> lock(mutex_);
                ++connections_;
                changed_.notify_all();
            }
            if (client >= 0 && (fds[2].revents & (POLLIN | POLLHUP))) {
                char buffer[4096];
                const ssize_t got = recv(client, buffer, sizeof buffer, 0);
                if (got <= 0) {
                    close(client);
                    client = -1;
                } else {
                    pending.append(buffer, static_cast<std::size_t>(got));
                    std::lock_guard<std::mutex> lock(mutex_);
                    for (std::size_t end; (end = pending.find("\r\n")) != std::string::npos;
                         pending.erase(0, end + 2))
                        lines_.push_back(pending.substr(0, end));
                    changed_.notify_all();
                }
            }
            std::string out;
            bool drop = false;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                out.swap(outgoing_);
                drop = std::exchange(dropRequested_, false);
            }
            if (client >= 0 && !out.empty()) send(client, out.data(), out.size(), MSG_NOSIGNAL);
            if (client >= 0 && drop) {
                close(client);
                client = -1;
            }
        }
        if (client >= 0) close(client);
    }

    int listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int port_ = 0;
    int wake_[2] = {-1, -1};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<std::string> lines_;
    std::string outgoing_;
    bool dropRequested_ = false;
    int connections_ = 0;
};

}  // namespace dwtest
