// CZekoClient: connecting, the receiver and dispatcher threads and the end of a connection.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "link/ZekoClient.h"
#include "link/ZekoLog.h"

namespace dw {
namespace {

constexpr int kSocketBufferSize = 512;
constexpr int kConnectTimeoutMs = 10000;
constexpr int kSendTimeoutSeconds = 2;  // bounds a send to a server that stopped reading

thread_local const CZekoClient* tl_dispatcherOf = nullptr;

bool ResolveIpv4(const std::string& host, in_addr& address) {
    if (host.empty()) return false;
    if (inet_pton(AF_INET, host.c_str(), &address) == 1) return true;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* result = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &result) != 0 || !result) return false;
    address = reinterpret_cast<const sockaddr_in*>(result->ai_addr)->sin_addr;
    freeaddrinfo(result);
    return true;
}

// Connects with a time limit; the socket is blocking again afterwards.
bool ConnectWithin(int fd, const sockaddr_in& address, int timeoutMs) {
    const int flags = fcntl(fd, F_GETFL, 0);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    int result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    if (result != 0 && errno == EINPROGRESS) {
        pollfd waiting{fd, POLLOUT, 0};
        int ready;
        do {
            ready = poll(&waiting, 1, timeoutMs);
        } while (ready < 0 && errno == EINTR);
        int error = 0;
        socklen_t length = sizeof error;
        if (ready == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && !error)
            result = 0;
    }
    fcntl(fd, F_SETFL, flags);
    return result == 0;
}

}  // namespace

bool CZekoClient::Connect() {
    in_addr address{};
    if (!ResolveIpv4(host_, address)) {
        AppendZekoLog(std::string(kLogHostInvalid) + host_ + "\n");
        return false;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        AppendZekoLog(kLogNoSocket);
        return false;
    }
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr = address;
    target.sin_port = htons(static_cast<std::uint16_t>(port_));
    // The wildcard and broadcast addresses name no server (the link setting "0.0.0.0" is
    // off and "255.255.255.255" an alias that was not resolved).
    const bool namesServer =
        address.s_addr != htonl(INADDR_ANY) && address.s_addr != htonl(INADDR_BROADCAST);
    if (!namesServer || port_ <= 0 || port_ > 65535 ||
        !ConnectWithin(fd, target, kConnectTimeoutMs)) {
        ::close(fd);
        AppendZekoLog(kLogNoConnect);
        return false;
    }
    // A small send buffer and no Nagle delay let each short line leave at once. The receive
    // buffer keeps the system's size: shrunk to a few hundred bytes, the receive window
    // falls far below a segment (64 KB on loopback) and a busy server stalls on
    // zero-window probes that back off to seconds.
    const int bufferSize = kSocketBufferSize;
    const int noDelay = 1;
    const timeval sendTimeout{kSendTimeoutSeconds, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bufferSize, sizeof bufferSize);
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof sendTimeout);

    {
        std::lock_guard<std::recursive_mutex> lock(sendMutex_);
        socket_ = fd;
    }
    stopFlag_.store(false);
    lineQueue_.Reset();
    loggedLimits_.store(0);
    connected_.store(true);
    try {
        dispatcherThread_ = std::thread(&CZekoClient::DispatcherThread, this, fd);
    } catch (...) {
        connected_.store(false);
        stopFlag_.store(true);
        std::lock_guard<std::recursive_mutex> lock(sendMutex_);
        ::shutdown(fd, SHUT_RD);
        ::close(fd);
        socket_ = -1;
        AppendZekoLog(kLogNoThread);
        return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return true;
}

void CZekoClient::Disconnect() {
    connected_.store(false);
    const bool onDispatcher = IsDispatcherThread();
    {
        std::lock_guard<std::recursive_mutex> lock(sendMutex_);
        if (socket_ >= 0) {
            // Ends the receiver's blocking receive. The descriptor itself is closed by the
            // dispatcher once the receiver has ended, so no thread reads a reused number.
            ::shutdown(socket_, SHUT_RDWR);
            if (onDispatcher) {
                ::close(socket_);
                socket_ = -1;
            }
        }
    }
    if (onDispatcher) return;  // no window messages to serve here; the thread is ending
    PumpMessagesFor(250);
    ReapDispatcher();
}

void CZekoClient::DispatcherThread(int socketFd) {
    tl_dispatcherOf = this;
    std::thread receiver;
    try {
        receiver = std::thread(&CZekoClient::ReceiverThread, this, socketFd);
    } catch (...) {
        stopFlag_.store(true);
        lineQueue_.Stop();
    }
    while (lineQueue_.Take(currentLine_)) {
        ParseLine(currentLine_.data(), currentLine_.size());
        sched_yield();
    }
    stopFlag_.store(true);
    lineQueue_.Stop();
    if (receiver.joinable()) receiver.join();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    lineQueue_.Clear();
    std::string().swap(currentLine_);
    Notify(kZekoConnectionEnded);
    tl_dispatcherOf = nullptr;
}

void CZekoClient::ReceiverThread(int socketFd) {
    std::unique_ptr<char[]> buffer(new char[kLineBufferSize]());
    std::size_t fill = 0;
    bool discarding = false;  // inside a line too long for the buffer
    sched_yield();
    ssize_t received = ::recv(socketFd, buffer.get(), kLineBufferSize, 0);
    for (;;) {
        if (received < 0 && errno == EINTR) {
            received = ::recv(socketFd, buffer.get() + fill, kLineBufferSize - fill, 0);
            continue;
        }
        if (received <= 0 || stopFlag_.load()) break;
        fill += static_cast<std::size_t>(received);
        std::size_t start = 0;
        while (const void* found = std::memchr(buffer.get() + start, '\n', fill - start)) {
            const auto end =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer.get());
            if (discarding)
                discarding = false;
            else
                QueueLine(buffer.get() + start, end - start);
            start = end + 1;
            sched_yield();
        }
        std::size_t rest = fill - start;
        if (rest == kLineBufferSize && !discarding) {
            LogOnce(kLimitLongLine, kLogLongLine);
            discarding = true;
        }
        if (discarding) rest = 0;
        if (rest > 0 && start > 0) std::memmove(buffer.get(), buffer.get() + start, rest);
        fill = rest;
        sched_yield();
        received = ::recv(socketFd, buffer.get() + fill, kLineBufferSize - fill, 0);
    }
    stopFlag_.store(true);
    lineQueue_.Stop();
}

void CZekoClient::QueueLine(const char* bytes, std::size_t length) {
    if (stopFlag_.load()) return;
    if (length == 0) {
        LogOnce(kLimitEmptyLine, kLogEmptyLine);
        return;
    }
    // The last byte (the "\r" of the line end) is dropped.
    lineQueue_.Push(std::string(bytes, length - 1),
                    [this] { LogOnce(kLimitQueueFull, kLogQueueFull); });
}

void CZekoClient::ReapDispatcher() {
    if (dispatcherThread_.joinable() && !IsDispatcherThread()) dispatcherThread_.join();
}

bool CZekoClient::IsDispatcherThread() const {
    return tl_dispatcherOf == this;
}

void CZekoClient::PumpMessagesFor(int ms) {
    std::function<void()> pump;
    {
        std::lock_guard<std::mutex> lock(pumpMutex_);
        if (messagePump_ && pumpThread_ == std::this_thread::get_id()) pump = messagePump_;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    if (!pump) {
        std::this_thread::sleep_until(deadline);
        return;
    }
    while (std::chrono::steady_clock::now() < deadline) {
        pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace dw
