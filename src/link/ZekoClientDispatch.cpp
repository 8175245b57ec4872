// ZekoClientCore: what the dispatcher does with the reports of the line scan.
#include <cstdio>
#include <cstdlib>

#include "link/ZekoClientCore.h"
#include "link/ZekoLog.h"

namespace dw {

void ZekoClientCore::StorePair(ZekoConnection& connection, std::int32_t number,
                               std::int32_t value) {
    // After Close the owner may free its cells at any moment.
    if (connection.abandoned.load()) return;
    if (number < 0 || number >= kTableSize) {
        LogOnce(kLimitNumber, kLogNumberRange);
        return;
    }
    if (VariableCell* cell = variableTable_[number].load(std::memory_order_acquire)) {
        StoreCell(*cell, value);
        if (connection.observer) connection.observer(number, value);
        return;
    }
    // A server flooding unsolicited values must not fill the disk.
    const int logged = connection.unsolicitedLogged.load(std::memory_order_relaxed);
    if (logged > kUnsolicitedLogLimit) return;
    connection.unsolicitedLogged.store(logged + 1, std::memory_order_relaxed);
    AppendZekoLog(logged < kUnsolicitedLogLimit ? kLogUnsolicited : kLogUnsolicitedMuted);
}

void ZekoClientCore::Notify(const ZekoConnection& connection, int code) {
    // Once the owner closed the connection, it only hears that the connection ended.
    if (code != kZekoConnectionEnded && connection.abandoned.load()) return;
    if (!notifyEnabled_.load()) return;
    IZekoNotifyTarget* window = notifyWindow_.load();
    if (window && window->IsAlive()) window->PostNotify(notifyMessage_.load(), code);
}

void ZekoClientCore::Farewell(const ZekoConnection& connection) {
    if (connection.abandoned.load()) return;
    Notify(connection, kZekoFarewell);
    // The owner may have closed (or destroyed) the client in that notification.
    if (!closeOnFin_.load() || connection.abandoned.load()) return;
    if (IZekoNotifyTarget* window = notifyWindow_.load()) {
        if (window->IsAlive()) window->PostClose();
        return;
    }
    // Nobody to ask: the farewell ends the program (unless the owner is destroying the
    // client and has just forgotten its target).
    if (released_.load()) return;
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace dw
