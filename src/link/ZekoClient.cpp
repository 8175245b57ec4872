// CZekoClient: the public operations, the pending outgoing line and the handling of parsed
// lines. The socket and the two connection threads are in ZekoClientConnection.cpp.
#include "link/ZekoClient.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "link/ZekoLog.h"

namespace dw {
namespace {

constexpr char kRespKeyword[] = "Arn.Resp:";
constexpr char kInicioKeyword[] = "Arn.Inicio:";
constexpr char kFinKeyword[] = "Arn.Fin:";
constexpr std::size_t kLineEndRoom = 3;  // "\r\n" and a terminator
constexpr std::chrono::milliseconds kWaitSlice(10);

}  // namespace

CZekoClient::CZekoClient()
    : sendBuffer_(new char[kSendBufferSize]()), savedSubscription_(new char[kSubscriptionSize]()) {
    for (auto& entry : variableTable_) entry.store(nullptr, std::memory_order_relaxed);
}

CZekoClient::~CZekoClient() {
    Close();
    std::lock_guard<std::mutex> lock(lifecycleMutex_);
    ReapDispatcher();
}

bool CZekoClient::Open(const std::string& host, const SubscriptionEntry* list, int port) {
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    if (!sendBuffer_) return false;
    {
        std::lock_guard<std::recursive_mutex> lock(sendMutex_);
        writePos_ = 0;
    }
    if (connected_.load()) return true;
    ReapDispatcher();  // the threads of an earlier connection that the server ended
    if (host.size() >= kHostSize) {
        AppendZekoLog(std::string(kLogLongHost) + host + "\n");
        return true;
    }
    host_ = host;
    port_ = port;
    if (!Connect()) return true;
    for (const SubscriptionEntry* entry = list; entry && entry->offset != 0; ++entry) {
        if (entry->offset < 0 || entry->offset >= kTableSize) {
            LogOnce(kLimitNumber, kLogNumberRange);
            continue;
        }
        variableTable_[entry->offset].store(entry->cell, std::memory_order_release);
    }
    Subscribe(list);
    return true;
}

bool CZekoClient::SetValue(std::int32_t offset, std::int32_t value) {
    std::lock_guard<std::recursive_mutex> lock(sendMutex_);
    if (!connected_.load()) return false;
    char pair[32];
    const int length = std::snprintf(pair, sizeof pair, "%d=%d:", offset, value);
    if (writePos_ + static_cast<std::size_t>(length) + kLineEndRoom > kSendBufferSize) {
        LogOnce(kLimitPending, kLogPendingFull);
        FlushLocked();
    }
    if (writePos_ == 0) AppendLocked(kRespKeyword, sizeof kRespKeyword - 1);
    return AppendLocked(pair, static_cast<std::size_t>(length));
}

bool CZekoClient::Flush() {
    std::lock_guard<std::recursive_mutex> lock(sendMutex_);
    return FlushLocked();
}

bool CZekoClient::Close() {
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    if (!connected_.load()) return false;
    {
        std::lock_guard<std::recursive_mutex> lock(sendMutex_);
        AppendLocked(kFinKeyword, sizeof kFinKeyword - 1);
        FlushLocked();
    }
    Disconnect();
    return true;
}

bool CZekoClient::SetCloseOnFin(bool flag) {
    if (!connected_.load()) return false;
    closeOnFin_.store(flag);
    return true;
}

void CZekoClient::SetNotifyWindow(IZekoNotifyTarget* window, int message) {
    notifyMessage_.store(message);
    notifyWindow_.store(window);
    notifyEnabled_.store(true);
}

void CZekoClient::SetMessagePump(std::function<void()> pump) {
    std::lock_guard<std::mutex> lock(pumpMutex_);
    messagePump_ = std::move(pump);
    pumpThread_ = std::this_thread::get_id();
}

bool CZekoClient::Subscribe(const SubscriptionEntry* list) {
    std::lock_guard<std::recursive_mutex> lock(sendMutex_);
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
    AppendLocked(text.data(), text.size());
    return FlushLocked();
}

void CZekoClient::Resubscribe() {
    // Runs on the dispatcher thread; a connection that is ending is not resubscribed.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    for (auto now = std::chrono::steady_clock::now(); now < deadline;
         now = std::chrono::steady_clock::now()) {
        if (stopFlag_.load()) return;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(deadline - now, kWaitSlice));
    }
    std::lock_guard<std::recursive_mutex> lock(sendMutex_);
    if (savedLength_ > 0) AppendLocked(savedSubscription_.get(), savedLength_);
    FlushLocked();
}

bool CZekoClient::AppendLocked(const char* text, std::size_t length) {
    if (writePos_ + length + kLineEndRoom > kSendBufferSize) {
        if (writePos_ > 0) {
            LogOnce(kLimitPending, kLogPendingFull);
            FlushLocked();
        }
        if (length + kLineEndRoom > kSendBufferSize) return false;
    }
    std::memcpy(sendBuffer_.get() + writePos_, text, length);
    writePos_ += length;
    return true;
}

bool CZekoClient::FlushLocked() {
    if (!connected_.load() || writePos_ == 0) return false;
    sendBuffer_[writePos_++] = '\r';
    sendBuffer_[writePos_++] = '\n';
    SendRaw(sendBuffer_.get(), writePos_);
    writePos_ = 0;
    return true;
}

void CZekoClient::SendRaw(const char* text, std::size_t length) {
    if (length < 3 || socket_ < 0) return;
    const ssize_t sent = ::send(socket_, text, length, MSG_NOSIGNAL);
    if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK) AppendZekoLog(kLogSendFailed);
}

void CZekoClient::ParseLine(const char* line, std::size_t length) {
    ScanZekoLine(line, length, *this);
}

void CZekoClient::OnPair(std::int32_t number, std::int32_t value) {
    if (number < 0 || number >= kTableSize) {
        LogOnce(kLimitNumber, kLogNumberRange);
        return;
    }
    if (VariableCell* cell = variableTable_[number].load(std::memory_order_acquire))
        StoreCell(*cell, value);
    else
        AppendZekoLog(kLogUnsolicited);
}

void CZekoClient::OnValuesDone() {
    Notify(kZekoValuesProcessed);
}

void CZekoClient::OnFarewell() {
    Notify(kZekoFarewell);
    if (!closeOnFin_.load()) return;
    if (IZekoNotifyTarget* window = notifyWindow_.load()) {
        if (window->IsAlive()) window->PostClose();
        return;
    }
    // Nobody to ask: the farewell ends the program.
    std::fflush(nullptr);
    std::_Exit(0);
}

void CZekoClient::OnResubscribeRequest() {
    Notify(kZekoResubscribe);
    Resubscribe();
}

void CZekoClient::Notify(int code) {
    if (code == kZekoConnectionEnded) Disconnect();
    if (!notifyEnabled_.load()) return;
    IZekoNotifyTarget* window = notifyWindow_.load();
    if (window && window->IsAlive()) window->PostNotify(notifyMessage_.load(), code);
}

void CZekoClient::LogOnce(unsigned bit, const char* text) {
    if ((loggedLimits_.fetch_or(bit) & bit) == 0) AppendZekoLog(text);
}

}  // namespace dw
