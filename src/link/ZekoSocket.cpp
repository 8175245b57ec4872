#include "link/ZekoSocket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace dw {
namespace {

// A small send buffer and no Nagle delay let each short line leave at once.
//
// The receive buffer keeps the system's size on purpose. Shrunk to 512 bytes, the receive
// window falls far below a loopback segment and a busy server stalls on zero-window probes:
// in bench_link's ValuesStored a 275 KB burst of values then takes 15 s to arrive (15 KB/s,
// against 155 MB/s with the system's size). What a flooding server can make the client hold
// stays bounded anyway: the kernel caps the buffer, the line queue has 2048 slots of at
// most 16 KB, and Close drops both at once.
constexpr int kSendBufferSize = 512;

int RemainingMs(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

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

int CreateTcpSocket() {
    return ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

bool ConnectWithin(int fd, const in_addr& address, int port, int timeoutMs) {
    const int flags = fcntl(fd, F_GETFL, 0);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr = address;
    target.sin_port = htons(static_cast<std::uint16_t>(port));
    int result = ::connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target);
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
    if (result != 0) return false;
    const int bufferSize = kSendBufferSize;
    const int noDelay = 1;
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bufferSize, sizeof bufferSize);
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    return true;
}

bool SendWhole(int fd, const char* bytes, std::size_t length,
               std::chrono::steady_clock::time_point deadline) {
    std::size_t done = 0;
    while (done < length) {
        const ssize_t sent = ::send(fd, bytes + done, length - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            done += static_cast<std::size_t>(sent);
            continue;
        }
        if (sent < 0 && errno == EINTR) continue;
        if (sent == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) return false;
        // The send buffer is full: wait until it drains, the socket fails or time is up.
        const int left = RemainingMs(deadline);
        if (left == 0) return false;
        pollfd waiting{fd, POLLOUT, 0};
        if (poll(&waiting, 1, left) < 0 && errno != EINTR) return false;
    }
    return true;
}

}  // namespace dw
