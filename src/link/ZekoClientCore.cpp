// ZekoClientCore: opening and closing, and the threads of the connections.
#include "link/ZekoClientCore.h"

#include <sys/socket.h>

#include <cstring>
#include <utility>

#include "link/ZekoLog.h"

namespace dw {
namespace {

constexpr char kFinKeyword[] = "Arn.Fin:";
// Close waits this long for a send in progress to finish, and then as long for its own
// farewell to leave; a server that stops reading gets no farewell.
constexpr std::chrono::milliseconds kFarewellWait(250);

}  // namespace

ZekoClientCore::ZekoClientCore()
    : sendBuffer_(new char[kSendBufferSize]()), savedSubscription_(new char[kSubscriptionSize]()) {
    for (auto& entry : variableTable_) entry.store(nullptr, std::memory_order_relaxed);
}

bool ZekoClientCore::Open(const std::string& host, const SubscriptionEntry* list, int port) {
    if (!sendBuffer_) return false;
    JoinThreads();  // those of an earlier connection, which has ended or is ending
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    {
        std::lock_guard<ZekoSendLock> lock(sendLock_);
        writePos_ = 0;
    }
    if (connected_.load()) return true;
    if (host.size() >= kHostSize) {
        AppendZekoLog(std::string(kLogLongHost) + host + "\n");
        return true;
    }
    host_ = host;
    port_ = port;
    const std::shared_ptr<ZekoConnection> connection = Connect();
    if (!connection) return true;
    // The cells are registered before the threads start, so the first values find them.
    for (const SubscriptionEntry* entry = list; entry && entry->offset != 0; ++entry) {
        if (entry->offset < 0 || entry->offset >= kTableSize) {
            LogOnce(kLimitNumber, kLogNumberRange);
            continue;
        }
        variableTable_[entry->offset].store(entry->cell, std::memory_order_release);
    }
    {
        std::lock_guard<std::mutex> lock(connectionMutex_);
        connection_ = connection;
        connected_.store(true);
    }
    if (!StartDispatcher(connection)) {
        Detach(connection);
        ::shutdown(connection->fd, SHUT_RD);
        AppendZekoLog(kLogNoThread);
        return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Subscribe(list);
    return true;
}

bool ZekoClientCore::Close() {
    const std::shared_ptr<ZekoConnection> connection = CurrentConnection();
    if (!connection) return false;
    bool closed = false;
    {
        std::unique_lock<ZekoSendLock> lock(sendLock_, std::defer_lock);
        const bool mayWrite = lock.try_lock_for(kFarewellWait);
        // Whoever detaches the connection closes it; a second Close, or one racing the end of
        // the connection, finds nothing left to do.
        closed = Detach(connection);
        if (closed && mayWrite) {
            // When the farewell and a line end do not fit behind the pending values, those
            // go first, on a line of their own.
            if (writePos_ + (sizeof kFinKeyword - 1) + 3 > kSendBufferSize)
                SendPendingLocked(*connection, kFarewellWait);
            AppendLocked(kFinKeyword, sizeof kFinKeyword - 1);
            SendPendingLocked(*connection, kFarewellWait);
        }
    }
    if (!closed) return false;
    Abandon(*connection);
    JoinThreads();
    return true;
}

void ZekoClientCore::Release() {
    released_.store(true);
    notifyEnabled_.store(false);
    notifyWindow_.store(nullptr);
    Close();
    if (!OnOwnDispatcher()) {
        JoinThreads();
        return;
    }
    // Destroyed from inside one of its own notifications: the dispatcher threads hold the
    // core and finish on it after the handle has gone.
    std::lock_guard<std::mutex> lock(threadsMutex_);
    for (Dispatcher& dispatcher : dispatchers_) dispatcher.thread.detach();
    dispatchers_.clear();
}

bool ZekoClientCore::SetCloseOnFin(bool flag) {
    if (!connected_.load()) return false;
    closeOnFin_.store(flag);
    return true;
}

void ZekoClientCore::SetNotifyWindow(IZekoNotifyTarget* window, int message) {
    notifyMessage_.store(message);
    notifyWindow_.store(window);
    notifyEnabled_.store(true);
}

void ZekoClientCore::SetValueObserver(ZekoValueObserver observer) {
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    observer_ = std::move(observer);
}

std::shared_ptr<ZekoConnection> ZekoClientCore::CurrentConnection() const {
    std::lock_guard<std::mutex> lock(connectionMutex_);
    return connection_;
}

bool ZekoClientCore::Detach(const std::shared_ptr<ZekoConnection>& connection) {
    std::lock_guard<std::mutex> lock(connectionMutex_);
    if (!connection || connection_ != connection) return false;
    connection_.reset();
    connected_.store(false);
    return true;
}

void ZekoClientCore::Abandon(ZekoConnection& connection) {
    connection.abandoned.store(true);
    connection.stopFlag.store(true);
    connection.queue.Abandon();            // wakes a receiver waiting for a free slot
    ::shutdown(connection.fd, SHUT_RDWR);  // ends a receive in progress
}

void ZekoClientCore::Break(const std::shared_ptr<ZekoConnection>& connection) {
    // Whatever was queued is still handled; the receiver and then the dispatcher end, and
    // the owner learns of it as of a server that closed the connection.
    Detach(connection);
    connection->stopFlag.store(true);
    connection->queue.Stop();
    ::shutdown(connection->fd, SHUT_RDWR);
}

void ZekoClientCore::JoinThreads() {
    // A dispatcher never joins: it may be the one another thread is joining.
    if (OnOwnDispatcher()) return;
    const std::shared_ptr<ZekoConnection> current = CurrentConnection();
    std::vector<std::thread> ending;
    {
        std::lock_guard<std::mutex> lock(threadsMutex_);
        for (auto it = dispatchers_.begin(); it != dispatchers_.end();) {
            if (current && it->connection.lock() == current) {
                ++it;
                continue;
            }
            ending.push_back(std::move(it->thread));
            it = dispatchers_.erase(it);
        }
    }
    for (std::thread& thread : ending) thread.join();
}

}  // namespace dw
