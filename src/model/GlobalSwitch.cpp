#include "model/GlobalSwitch.h"

#include <atomic>

namespace dw {

namespace {
std::atomic<bool> globalSwitch{true};
}

bool IsGlobalSwitchOn() {
    return globalSwitch.load(std::memory_order_relaxed);
}

void SetGlobalSwitch(bool on) {
    globalSwitch.store(on, std::memory_order_relaxed);
}

}  // namespace dw
