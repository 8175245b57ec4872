#pragma once
// The state and work of a CZekoClient. The client object is only a handle: the core is shared
// with the dispatcher thread of each connection, so a client may be closed or even destroyed
// from inside a notification its own dispatcher delivers; the thread then finishes on the
// core it still holds.
//
// Locks, taken in this order and never held while joining a thread or calling the owner:
//   lifecycleMutex_  Open's connecting (one Open at a time)
//   sendLock_        the pending line and every send (timed: Close gives up waiting)
//   connectionMutex_ connection_ and connected_ changes (short)
//   threadsMutex_    the dispatcher thread handles (short)
#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/SubscriptionEntry.h"
#include "link/ZekoClient.h"
#include "link/ZekoConnection.h"
#include "link/ZekoNotify.h"
#include "link/ZekoSendLock.h"

namespace dw {

class ZekoClientCore : public std::enable_shared_from_this<ZekoClientCore> {
public:
    static constexpr std::size_t kSendBufferSize = CZekoClient::kSendBufferSize;
    static constexpr std::size_t kLineBufferSize = CZekoClient::kLineBufferSize;
    static constexpr std::size_t kSubscriptionSize = CZekoClient::kSubscriptionSize;
    static constexpr std::size_t kHostSize = CZekoClient::kHostSize;
    static constexpr int kTableSize = CZekoClient::kTableSize;
    // Log entries of values for unregistered numbers per connection; later ones are counted
    // out by one note.
    static constexpr int kUnsolicitedLogLimit = 100;

    ZekoClientCore();

    bool Open(const std::string& host, const SubscriptionEntry* list, int port);
    bool IsConnected() const { return connected_.load(); }
    bool SetValue(std::int32_t offset, std::int32_t value);
    bool Flush();
    bool Close();
    bool SetCloseOnFin(bool flag);
    void SetNotifyWindow(IZekoNotifyTarget* window, int message);
    void EnableNotify(bool flag) { notifyEnabled_.store(flag); }
    void SetValueObserver(ZekoValueObserver observer);
    // The handle goes away: no more notifications, Close, and the threads are joined (or,
    // on one of this client's dispatcher threads, left to end by themselves).
    void Release();

    // Work of the dispatcher thread (ZekoClientDispatch.cpp).
    void StorePair(ZekoConnection& connection, std::int32_t number, std::int32_t value);
    void Notify(const ZekoConnection& connection, int code);
    void Farewell(const ZekoConnection& connection);
    void Resubscribe(const std::shared_ptr<ZekoConnection>& connection);

private:
    enum LimitBit : unsigned {
        kLimitLongLine = 1,
        kLimitQueueFull = 2,
        kLimitNumber = 4,
        kLimitSubscription = 8,
        kLimitPending = 16,
        kLimitEmptyLine = 32,
    };
    using Clock = std::chrono::steady_clock;

    // Connecting and the threads (ZekoClientConnection.cpp).
    std::shared_ptr<ZekoConnection> Connect();
    bool StartDispatcher(const std::shared_ptr<ZekoConnection>& connection);
    static void DispatcherMain(std::shared_ptr<ZekoClientCore> self,
                               std::shared_ptr<ZekoConnection> connection);
    void DispatcherLoop(const std::shared_ptr<ZekoConnection>& connection);
    void ReceiverLoop(ZekoConnection& connection);
    void QueueLine(ZekoConnection& connection, const char* bytes, std::size_t length);
    // Ends the connection from the dispatcher's side (the server closed, a receive or a send
    // failed): the client is no longer connected.
    void EndConnection(const std::shared_ptr<ZekoConnection>& connection);

    // Lifecycle (ZekoClientCore.cpp).
    std::shared_ptr<ZekoConnection> CurrentConnection() const;
    // Makes `connection` no longer the client's; false when it was not.
    bool Detach(const std::shared_ptr<ZekoConnection>& connection);
    // Stops both threads of a connection at once and drops what is queued.
    static void Abandon(ZekoConnection& connection);
    // Treats the link as broken after a failed send.
    void Break(const std::shared_ptr<ZekoConnection>& connection);
    bool OnOwnDispatcher() const;
    void JoinThreads();

    // The pending line (ZekoClientSend.cpp); the *Locked forms expect sendLock_ held.
    bool Subscribe(const SubscriptionEntry* list);
    // Sends the pending line, if any, to the client's connection; a failed send breaks the
    // link. False when not connected or nothing is pending.
    bool FlushLocked();
    // Sends the pending line to `connection` within `time` and empties it; false when
    // nothing was pending or the send failed (which is logged).
    bool SendPendingLocked(ZekoConnection& connection, Clock::duration time);
    // Sends what is pending early when `length` more bytes would not fit; false when they
    // still do not fit.
    bool MakeRoomLocked(std::size_t length);
    void AppendLocked(const char* text, std::size_t length);
    void LogOnce(unsigned bit, const char* text);

    std::atomic<bool> connected_{false};
    std::unique_ptr<char[]> sendBuffer_;
    std::size_t writePos_ = 0;  // end of the pending text; 0 when nothing is pending
    std::unique_ptr<char[]> savedSubscription_;
    std::size_t savedLength_ = 0;
    std::atomic<int> notifyMessage_{0};
    std::atomic<bool> closeOnFin_{false};
    std::atomic<IZekoNotifyTarget*> notifyWindow_{nullptr};
    std::atomic<bool> notifyEnabled_{false};
    std::atomic<bool> released_{false};  // the handle is being destroyed
    std::array<std::atomic<VariableCell*>, kTableSize> variableTable_{};
    std::string host_;
    int port_ = 0;
    std::atomic<unsigned> loggedLimits_{0};
    ZekoValueObserver observer_;  // guarded by lifecycleMutex_; copied into each connection

    std::mutex lifecycleMutex_;
    ZekoSendLock sendLock_;
    mutable std::mutex connectionMutex_;
    std::shared_ptr<ZekoConnection> connection_;  // the connection sends go to
    struct Dispatcher {
        std::thread thread;
        std::weak_ptr<ZekoConnection> connection;
    };
    std::mutex threadsMutex_;
    std::vector<Dispatcher> dispatchers_;  // not joined yet
};

}  // namespace dw
