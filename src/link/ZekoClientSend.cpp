// ZekoClientCore: the pending outgoing line, subscribing and sending.
#include <cstdio>
#include <cstring>

#include "link/ZekoClientCore.h"
#include "link/ZekoLog.h"
#include "link/ZekoSocket.h"

namespace dw {
namespace {

constexpr char kRespKeyword[] = "Arn.Resp:";
constexpr char kInicioKeyword[] = "Arn.Inicio:";
constexpr std::size_t kLineEndRoom = 3;  // "\r\n" and a terminator
// A line that a server does not take within this time breaks the link.
constexpr std::chrono::seconds kSendTime(2);
constexpr std::chrono::milliseconds kResubscribeDelay(500);

}  // namespace

bool ZekoClientCore::SetValue(std::int32_t offset, std::int32_t value) {
    std::lock_guard<ZekoSendLock> lock(sendLock_);
    if (!connected_.load()) return false;
    char pair[32];
    const auto length =
        static_cast<std::size_t>(std::snprintf(pair, sizeof pair, "%d=%d:", offset, value));
    // A full pending line goes out early; when that send breaks the link, so does this value.
    if (!MakeRoomLocked(sizeof kRespKeyword + length) || !connected_.load()) return false;
    if (writePos_ == 0) AppendLocked(kRespKeyword, sizeof kRespKeyword - 1);
    AppendLocked(pair, length);
    return true;
}

bool ZekoClientCore::Flush() {
    std::lock_guard<ZekoSendLock> lock(sendLock_);
    return FlushLocked();
}

bool ZekoClientCore::Subscribe(const SubscriptionEntry* list) {
    std::lock_guard<ZekoSendLock> lock(sendLock_);
    if (!connected_.load()) return false;
    if (!list || list->offset == 0) return true;
    std::string text = kInicioKeyword;
    for (const SubscriptionEntry* entry = list; entry->offset != 0; ++entry) {
        if (entry->offset < 0 || entry->offset >= kTableSize) continue;
        const std::string number = std::to_string(entry->offset) + ":";
        if (text.size() + number.size() >= kSubscriptionSize) {
            LogOnce(kLimitSubscription, kLogLongSubscription);
            break;
        }
        text += number;
    }
    std::memcpy(savedSubscription_.get(), text.data(), text.size());
    savedSubscription_[text.size()] = 0;
    savedLength_ = text.size();
    if (!MakeRoomLocked(text.size())) return false;
    AppendLocked(text.data(), text.size());
    return FlushLocked();
}

void ZekoClientCore::Resubscribe(const std::shared_ptr<ZekoConnection>& connection) {
    // Runs on the dispatcher thread. The pause ends early when the connection ends, and a
    // connection that has ended (or is no longer the client's) is not resubscribed.
    if (connection->queue.WaitForStop(kResubscribeDelay)) return;
    std::lock_guard<ZekoSendLock> lock(sendLock_);
    if (CurrentConnection() != connection) return;
    if (savedLength_ > 0 && MakeRoomLocked(savedLength_))
        AppendLocked(savedSubscription_.get(), savedLength_);
    FlushLocked();
}

bool ZekoClientCore::FlushLocked() {
    if (!connected_.load() || writePos_ == 0) return false;
    const std::shared_ptr<ZekoConnection> connection = CurrentConnection();
    if (!connection) return false;
    if (!SendPendingLocked(*connection, kSendTime)) Break(connection);
    return true;
}

bool ZekoClientCore::SendPendingLocked(ZekoConnection& connection, Clock::duration time) {
    if (writePos_ == 0) return false;
    sendBuffer_[writePos_++] = '\r';
    sendBuffer_[writePos_++] = '\n';
    const std::size_t length = writePos_;
    writePos_ = 0;
    // A text shorter than 3 bytes is not sent (a bare line end cannot happen here).
    if (length < 3) return true;
    if (SendWhole(connection.fd, sendBuffer_.get(), length, Clock::now() + time)) return true;
    AppendZekoLog(kLogSendFailed);
    return false;
}

bool ZekoClientCore::MakeRoomLocked(std::size_t length) {
    if (writePos_ + length + kLineEndRoom <= kSendBufferSize) return true;
    if (writePos_ > 0) {
        LogOnce(kLimitPending, kLogPendingFull);
        FlushLocked();
        writePos_ = 0;  // not connected any more: what was pending is lost with the link
    }
    return length + kLineEndRoom <= kSendBufferSize;
}

void ZekoClientCore::AppendLocked(const char* text, std::size_t length) {
    // Callers make room first; a text that does not fit is refused, never written past.
    if (writePos_ + length + kLineEndRoom > kSendBufferSize) return;
    std::memcpy(sendBuffer_.get() + writePos_, text, length);
    writePos_ += length;
}

void ZekoClientCore::LogOnce(unsigned bit, const char* text) {
    if ((loggedLimits_.fetch_or(bit) & bit) == 0) AppendZekoLog(text);
}

}  // namespace dw
