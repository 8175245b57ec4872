#pragma once
// CZekoClient: one TCP connection to a ZEKO server.
//
// The owner registers a 32-bit cell per variable number through the subscription list given
// to Open; from then on the client's dispatcher thread stores each received value straight
// into its cell (read them with LoadCell). Values to send are collected with SetValue into
// one pending "Arn.Resp:" line that Flush sends whole.
//
// Threads: a connected client runs a receiver thread (reads the socket, cuts lines) and a
// dispatcher thread (parses lines, stores values, resubscribes, ends the connection), joined
// by a line queue. SetValue, Flush, Close and Open may be called from any thread; the
// pending line is guarded by one lock held for each append and for the whole of Flush.
// No call runs the owner's code on the caller's thread, and none waits without a bound:
// Close ends both threads at once, dropping what is queued. The client may be closed, and
// destroyed, from anywhere, including inside one of its own notifications.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "link/SubscriptionEntry.h"
#include "link/ZekoNotify.h"

namespace dw {

class ZekoClientCore;

class CZekoClient {
public:
    static constexpr std::size_t kSendBufferSize = 16384;
    static constexpr std::size_t kLineBufferSize = 16384;
    static constexpr std::size_t kSubscriptionSize = 3072;
    static constexpr std::size_t kHostSize = 64;
    static constexpr int kTableSize = 2999;  // variable numbers 0..2998

    CZekoClient();
    ~CZekoClient();
    CZekoClient(const CZekoClient&) = delete;
    CZekoClient& operator=(const CZekoClient&) = delete;

    // Connects to host:port, registers the list's cells and subscribes. Returns true unless
    // there is no send buffer; whether the connection is up is told by IsConnected().
    // `list` may be null (an empty list); it ends at its first entry numbered 0.
    bool Open(const std::string& host, const SubscriptionEntry* list, int port);
    bool IsConnected() const;
    // Appends number=value to the pending line; false when not connected.
    bool SetValue(std::int32_t offset, std::int32_t value);
    // Sends the pending line; false when not connected or nothing is pending. A line the
    // server does not take whole within 2 s is logged ("ERROR: Enviando mensaje.") and
    // breaks the link: the client disconnects itself and never sends a part of a line.
    bool Flush();
    // Sends the farewell (behind any pending values) and disconnects; false when not
    // connected. Lines still queued are dropped. When it returns, the client's threads have
    // ended (unless it was called on the client's own dispatcher thread, which then ends as
    // soon as the notification returns).
    bool Close();
    // On the server's farewell, ask the notification target to close (or, without a target,
    // end the process). Has effect only while connected.
    bool SetCloseOnFin(bool flag);
    // Stores the target and message id and enables notifications. Pass null to forget a
    // target; a notification being delivered at that moment may still reach the old one, so
    // close or destroy the client before its target when both go.
    void SetNotifyWindow(IZekoNotifyTarget* window, int message);
    void EnableNotify(bool flag);
    // Tells `observer` (on the dispatcher thread) each value stored into a registered cell,
    // for watchers that must know which variables a server sent, not only their values.
    // Takes effect at the next Open.
    void SetValueObserver(std::function<void(std::int32_t offset, std::int32_t value)> observer);

private:
    std::shared_ptr<ZekoClientCore> core_;
};

}  // namespace dw
