#pragma once
// One TCP connection of a protocol client: its socket, the line queue between its receiver
// and dispatcher threads, and the flags that end them. The client and both threads share it,
// so it lives until the last of them lets go; the socket is closed then, never while a
// thread may still use its number.
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <functional>

#include "link/ZekoLineQueue.h"

namespace dw {

// Called on the dispatcher thread after each received value was stored into its cell.
using ZekoValueObserver = std::function<void(std::int32_t offset, std::int32_t value)>;

struct ZekoConnection {
    explicit ZekoConnection(int socketFd) : fd(socketFd) {}
    ~ZekoConnection() { ::close(fd); }
    ZekoConnection(const ZekoConnection&) = delete;
    ZekoConnection& operator=(const ZekoConnection&) = delete;

    const int fd;
    ZekoLineQueue queue;
    // The threads must end (set by the receiver at the end of the stream, by the dispatcher,
    // by a failed send and by Close).
    std::atomic<bool> stopFlag{false};
    // The owner closed the connection: queued lines are dropped, and nothing more is stored
    // into the owner's cells or told to the owner except the final "connection ended".
    std::atomic<bool> abandoned{false};
    // Log entries of values for unregistered numbers written so far.
    std::atomic<int> unsolicitedLogged{0};
    ZekoValueObserver observer;  // fixed while the connection lives
};

}  // namespace dw
