#include "link/ServerLinks.h"

#include "platform/SettingsKeys.h"

namespace dw {

ServerLinks::ServerLinks(const ServerLinkSettings& link1, const ServerLinkSettings& link2)
    : link1_(link1), link2_(link2) {}

ServerLinks::~ServerLinks() {
    // Stop the clients' threads before the tables go.
    client1_.Close();
    client2_.Close();
}

void ServerLinks::LoadPlugIn(const std::string& path) {
    pnp1_.Load(path);
    pnp2_.Load(path);
}

void ServerLinks::PlugInStart(void* window, const std::string& gaugeName) {
    if (!pnp1_.IsLoaded()) return;
    pnp1_.Start(window, "DW/1", kPlugInVersion, gaugeName);
    pnp1_.SetStatus(kPlugInStatus);
    pnp2_.Start(window, "DW/2", kPlugInVersion, gaugeName);
    pnp2_.SetStatus(kPlugInStatus);
}

void ServerLinks::PlugInStop() {
    if (!pnp1_.IsLoaded()) return;
    pnp1_.Stop();
    pnp2_.Stop();
}

void ServerLinks::ClearValues() {
    for (VariableCell& cell : values1_) StoreCell(cell, 0);
    for (VariableCell& cell : values2_) StoreCell(cell, 0);
}

const std::vector<MonitorVariable>& ServerLinks::CollectVariables(
    std::span<const LinkedVariable> links) {
    lists_ = BuildSubscriptionLists(links, values1_, values2_);
    return lists_.monitor;
}

void ServerLinks::ResolveAliases(const WaitFunction& wait) {
    for (int link = 1; link <= 2; ++link) {
        ServerLinkSettings& settings = link == 1 ? link1_ : link2_;
        if (settings.IsByAlias() && PlugIn(link).IsLoaded())
            ResolveAlias(PlugIn(link), settings, wait);
    }
}

bool ServerLinks::OpenLinks(IZekoNotifyTarget* window, ISettingsStore& store,
                            const std::function<void()>& requestClose) {
    bool allOpen = true;
    for (int link = 1; link <= 2; ++link) {
        const ServerLinkSettings& settings = Link(link);
        if (settings.IsOff()) continue;
        CZekoClient& client = Client(link);
        client.Open(settings.ip, lists_.List(link), settings.port);
        client.SetNotifyWindow(window, link == 1 ? kLink1NotifyMessage : kLink2NotifyMessage);
        client.SetCloseOnFin(true);
        client.EnableNotify(false);
        if (client.IsConnected()) continue;
        allOpen = false;
        store.WriteInt(settings::kRunTime, settings::kLastError, 9000 + link);
        store.WriteInt(settings::kRunTime, settings::kLastLine, 0);
        store.WriteInt(settings::kRunTime, settings::kElement, 0);
        if (requestClose) requestClose();
    }
    return allOpen;
}

void ServerLinks::CloseLinks() {
    if (client1_.IsConnected()) client1_.Close();
    if (client2_.IsConnected()) client2_.Close();
}

}  // namespace dw
