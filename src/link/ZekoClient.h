#pragma once
// CZekoClient: one TCP connection to a ZEKO server.
//
// The owner registers a 32-bit cell per variable number through the subscription list given
// to Open; from then on the client's dispatcher thread stores each received value straight
// into its cell (read them with LoadCell). Values to send are collected with SetValue into
// one pending "Arn.Resp:" line that Flush sends with a single send call.
//
// Threads: a connected client runs a receiver thread (reads the socket, cuts lines) and a
// dispatcher thread (parses lines, stores values, resubscribes, ends the connection), joined
// by a line queue. SetValue, Flush, Close and Open may be called from any thread; the
// pending line is guarded by one lock held for each append and for the whole of Flush.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "link/SubscriptionEntry.h"
#include "link/ZekoLineQueue.h"
#include "link/ZekoLineScanner.h"
#include "link/ZekoNotify.h"

namespace dw {

class CZekoClient : private IZekoLineSink {
public:
    static constexpr std::size_t kSendBufferSize = 16384;
    static constexpr std::size_t kLineBufferSize = 16384;
    static constexpr std::size_t kSubscriptionSize = 3072;
    static constexpr std::size_t kHostSize = 64;
    static constexpr int kTableSize = 2999;  // variable numbers 0..2998

    CZekoClient();
    ~CZekoClient() override;
    CZekoClient(const CZekoClient&) = delete;
    CZekoClient& operator=(const CZekoClient&) = delete;

    // Connects to host:port, registers the list's cells and subscribes. Returns true unless
    // there is no send buffer; whether the connection is up is told by IsConnected().
    // `list` may be null (an empty list).
    bool Open(const std::string& host, const SubscriptionEntry* list, int port);
    bool IsConnected() const { return connected_.load(); }
    // Appends number=value to the pending line; false when not connected.
    bool SetValue(std::int32_t offset, std::int32_t value);
    // Sends the pending line; false when not connected or nothing is pending.
    bool Flush();
    // Sends the farewell (behind any pending values) and disconnects; false when not
    // connected. When it returns, the client's threads have ended.
    bool Close();
    // On the server's farewell, ask the notification target to close (or, without a target,
    // end the process). Has effect only while connected.
    bool SetCloseOnFin(bool flag);
    // Stores the target and message id and enables notifications. Pass null to forget a
    // target before destroying it.
    void SetNotifyWindow(IZekoNotifyTarget* window, int message);
    void EnableNotify(bool flag) { notifyEnabled_.store(flag); }

    // The waits of Close and of a resubscription call `pump` repeatedly when they run on
    // the thread that registered it (the owner's window thread keeps serving its events).
    void SetMessagePump(std::function<void()> pump);

private:
    enum LimitBit : unsigned {
        kLimitLongLine = 1,
        kLimitQueueFull = 2,
        kLimitNumber = 4,
        kLimitSubscription = 8,
        kLimitPending = 16,
        kLimitEmptyLine = 32,
    };

    // Scans one received line (on the dispatcher thread).
    void ParseLine(const char* line, std::size_t length);
    // Socket and threads (ZekoClientConnection.cpp).
    bool Connect();
    void Disconnect();
    void DispatcherThread(int socketFd);
    void ReceiverThread(int socketFd);
    void QueueLine(const char* bytes, std::size_t length);
    void ReapDispatcher();
    bool IsDispatcherThread() const;
    void PumpMessagesFor(int ms);
    void Notify(int code);
    void LogOnce(unsigned bit, const char* text);

    // Sending (ZekoClient.cpp); the *Locked forms expect sendMutex_ held.
    bool Subscribe(const SubscriptionEntry* list);
    void Resubscribe();
    bool AppendLocked(const char* text, std::size_t length);
    bool FlushLocked();
    void SendRaw(const char* text, std::size_t length);

    // IZekoLineSink
    void OnPair(std::int32_t number, std::int32_t value) override;
    void OnValuesDone() override;
    void OnFarewell() override;
    void OnResubscribeRequest() override;

    std::atomic<bool> connected_{false};
    std::unique_ptr<char[]> sendBuffer_;
    std::size_t writePos_ = 0;          // end of the pending text; 0 when nothing is pending
    std::atomic<bool> stopFlag_{true};  // no connection threads running
    ZekoLineQueue lineQueue_;
    std::string currentLine_;
    std::atomic<int> notifyMessage_{0};
    std::atomic<bool> closeOnFin_{false};
    std::atomic<IZekoNotifyTarget*> notifyWindow_{nullptr};
    std::atomic<bool> notifyEnabled_{false};
    std::array<std::atomic<VariableCell*>, kTableSize> variableTable_{};
    std::thread dispatcherThread_;
    std::unique_ptr<char[]> savedSubscription_;
    std::size_t savedLength_ = 0;
    int socket_ = -1;  // guarded by sendMutex_
    std::string host_;
    int port_ = 0;

    std::recursive_mutex sendMutex_;  // the pending line and the socket's send side
    std::mutex lifecycleMutex_;       // Open, Close and the dispatcher's end
    std::atomic<unsigned> loggedLimits_{0};
    std::mutex pumpMutex_;
    std::function<void()> messagePump_;
    std::thread::id pumpThread_;
};

}  // namespace dw
