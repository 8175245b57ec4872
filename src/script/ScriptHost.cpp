#include "script/ScriptHost.h"

#include <atomic>

#include "link/ZekoClient.h"

namespace dw {

void ClientValueSink::SendValue(int link, std::int32_t offset, std::int32_t value) {
    CZekoClient* client = link == 1 ? client1_ : client2_;
    if (client != nullptr) client->SetValue(offset, value);
}

namespace {

std::atomic<ISettingsStore*> currentSettings{nullptr};
std::atomic<IPlayerControl*> currentPlayer{nullptr};

}  // namespace

void SetScriptEnvironment(const ScriptEnvironment& value) {
    currentSettings.store(value.settings, std::memory_order_release);
    currentPlayer.store(value.player, std::memory_order_release);
}

ScriptEnvironment CurrentScriptEnvironment() {
    return {currentSettings.load(std::memory_order_acquire),
            currentPlayer.load(std::memory_order_acquire)};
}

std::int32_t ElementIdentity(const CElement& element) {
    std::int32_t position = 1;
    for (const CElement* e = element.GetPrev(); e != nullptr; e = e->GetPrev()) ++position;
    return position;
}

CElement* FindElementByIdentity(CElement* first, std::int32_t identity) {
    std::int32_t position = 1;
    for (CElement* e = first; e != nullptr; e = e->GetNext(), ++position)
        if (position == identity) return e;
    return nullptr;
}

}  // namespace dw
