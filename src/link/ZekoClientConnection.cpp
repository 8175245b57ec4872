// ZekoClientCore: connecting, and the receiver and dispatcher threads of a connection.
#include <sched.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

#include "link/ZekoClientCore.h"
#include "link/ZekoLineScanner.h"
#include "link/ZekoLog.h"
#include "link/ZekoSocket.h"

namespace dw {
namespace {

constexpr int kConnectTimeoutMs = 10000;

thread_local const ZekoClientCore* tl_dispatcherOf = nullptr;

// Hands the scan's reports of one connection to the core.
class DispatchSink : public IZekoLineSink {
public:
    DispatchSink(ZekoClientCore& core, const std::shared_ptr<ZekoConnection>& connection)
        : core_(core), connection_(connection) {}
    void OnPair(std::int32_t number, std::int32_t value) override {
        core_.StorePair(*connection_, number, value);
    }
    void OnValuesDone() override { core_.Notify(*connection_, kZekoValuesProcessed); }
    void OnFarewell() override { core_.Farewell(*connection_); }
    void OnResubscribeRequest() override {
        core_.Notify(*connection_, kZekoResubscribe);
        core_.Resubscribe(connection_);
    }

private:
    ZekoClientCore& core_;
    const std::shared_ptr<ZekoConnection>& connection_;
};

}  // namespace

std::shared_ptr<ZekoConnection> ZekoClientCore::Connect() {
    in_addr address{};
    if (!ResolveIpv4(host_, address)) {
        AppendZekoLog(std::string(kLogHostInvalid) + host_ + "\n");
        return nullptr;
    }
    const int fd = CreateTcpSocket();
    if (fd < 0) {
        AppendZekoLog(kLogNoSocket);
        return nullptr;
    }
    // The wildcard and broadcast addresses name no server (the link setting "0.0.0.0" is
    // off and "255.255.255.255" an alias that was not resolved).
    const bool namesServer =
        address.s_addr != htonl(INADDR_ANY) && address.s_addr != htonl(INADDR_BROADCAST);
    auto connection = std::make_shared<ZekoConnection>(fd);
    if (!namesServer || port_ <= 0 || port_ > 65535 ||
        !ConnectWithin(fd, address, port_, kConnectTimeoutMs)) {
        AppendZekoLog(kLogNoConnect);
        return nullptr;
    }
    loggedLimits_.store(0);
    connection->observer = observer_;
    return connection;
}

bool ZekoClientCore::StartDispatcher(const std::shared_ptr<ZekoConnection>& connection) {
    try {
        std::thread thread(&ZekoClientCore::DispatcherMain, shared_from_this(), connection);
        std::lock_guard<std::mutex> lock(threadsMutex_);
        dispatchers_.push_back({std::move(thread), connection});
        return true;
    } catch (...) {
        return false;
    }
}

void ZekoClientCore::DispatcherMain(std::shared_ptr<ZekoClientCore> self,
                                    std::shared_ptr<ZekoConnection> connection) {
    tl_dispatcherOf = self.get();
    self->DispatcherLoop(connection);
    tl_dispatcherOf = nullptr;
}

bool ZekoClientCore::OnOwnDispatcher() const {
    return tl_dispatcherOf == this;
}

void ZekoClientCore::DispatcherLoop(const std::shared_ptr<ZekoConnection>& connection) {
    std::thread receiver;
    try {
        receiver = std::thread(&ZekoClientCore::ReceiverLoop, this, std::ref(*connection));
    } catch (...) {
        connection->queue.Stop();
    }
    DispatchSink sink(*this, connection);
    std::string line;
    while (connection->queue.Take(line)) {
        ScanZekoLine(line.data(), line.size(), sink);
        sched_yield();
    }
    connection->stopFlag.store(true);
    connection->queue.Stop();
    ::shutdown(connection->fd, SHUT_RDWR);
    if (receiver.joinable()) receiver.join();
    connection->queue.Clear();
    EndConnection(connection);
    Notify(*connection, kZekoConnectionEnded);
}

void ZekoClientCore::ReceiverLoop(ZekoConnection& connection) {
    std::unique_ptr<char[]> buffer(new char[kLineBufferSize]());
    std::size_t fill = 0;
    bool discarding = false;  // inside a line too long for the buffer
    sched_yield();
    for (;;) {
        const ssize_t received =
            ::recv(connection.fd, buffer.get() + fill, kLineBufferSize - fill, 0);
        if (received < 0 && errno == EINTR) continue;
        if (received <= 0 || connection.stopFlag.load()) break;
        fill += static_cast<std::size_t>(received);
        std::size_t start = 0;
        while (const void* found = std::memchr(buffer.get() + start, '\n', fill - start)) {
            const auto end =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer.get());
            if (discarding)
                discarding = false;
            else
                QueueLine(connection, buffer.get() + start, end - start);
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
    }
    connection.stopFlag.store(true);
    connection.queue.Stop();
}

void ZekoClientCore::QueueLine(ZekoConnection& connection, const char* bytes, std::size_t length) {
    if (connection.stopFlag.load()) return;
    if (length == 0) {
        LogOnce(kLimitEmptyLine, kLogEmptyLine);
        return;
    }
    // The last byte (the "\r" of the line end) is dropped.
    connection.queue.Push(std::string(bytes, length - 1),
                          [this] { LogOnce(kLimitQueueFull, kLogQueueFull); });
}

void ZekoClientCore::EndConnection(const std::shared_ptr<ZekoConnection>& connection) {
    // The socket itself is closed when the last holder of the connection lets go.
    Detach(connection);
}

}  // namespace dw
