#pragma once
// ServerLinks: everything a run keeps per server link (the player's copy of the link
// settings, its variable table, its subscription list, its client and its plug-in wrapper)
// and the steps that start and end a run's links:
//
//   ServerLinks links(editorLink1, editorLink2);
//   links.LoadPlugIn(DefaultPlugInPath());            // player constructed
//   links.PlugInStart(nullptr, gaugeName);             // before the player window opens
//   links.CollectVariables(primaryLinks);              // run start step 1 (monitor lines)
//   links.ResolveAliases();                            // step 2 (may block up to 30 s a link)
//   if (!links.OpenLinks(&window, store, closePlayer)) // step 3 ("RunTime" 9001/9002)
//       ... the player ends ...
//   ... frame loop: links.Client(n).SetValue / Flush, scripts read links.Values(n) ...
//   links.CloseLinks();                                // player destroyed
//   links.PlugInStop();                                // after the player window closed
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/AliasResolver.h"
#include "link/ServerLinkSettings.h"
#include "link/SubscriptionLists.h"
#include "link/UZekoPnp.h"
#include "link/ZekoClient.h"
#include "platform/SettingsStore.h"

namespace dw {

// Notification messages of the two clients (WM_USER + 1 and WM_USER + 2).
inline constexpr int kLink1NotifyMessage = 1025;
inline constexpr int kLink2NotifyMessage = 1026;
inline constexpr char kPlugInVersion[] = "2.0";
inline constexpr char kPlugInStatus[] = "Connected and running";

class ServerLinks {
public:
    ServerLinks(const ServerLinkSettings& link1, const ServerLinkSettings& link2);
    ~ServerLinks();
    ServerLinks(const ServerLinks&) = delete;
    ServerLinks& operator=(const ServerLinks&) = delete;

    // Loads the module into both wrappers (they share one loaded library).
    void LoadPlugIn(const std::string& path);
    // "Start"("DW/1" / "DW/2", "2.0", gauge name, 0) and "SetStatus" for both links, when
    // link 1's wrapper has the module.
    void PlugInStart(void* window, const std::string& gaugeName);
    // "Stop" of link 1's and of link 2's wrapper, when link 1's wrapper has the module.
    void PlugInStop();

    // Sets every cell of both tables to 0.
    void ClearValues();
    // Builds both subscription lists; returns the monitor lines (label and cell).
    const std::vector<MonitorVariable>& CollectVariables(std::span<const LinkedVariable> links);
    // Resolves link 1 then link 2 when its ip is the alias address and its wrapper has the
    // module. Unresolved links keep "255.255.255.255".
    void ResolveAliases(const WaitFunction& wait = SleepMs);
    // Opens every link that is not off, registers `window` for notifications (1025/1026),
    // sets close-on-farewell and switches notifications off. A link that does not connect
    // writes "RunTime" LastError 9000 + link, LastLine 0, Element 0 and calls
    // `requestClose`. Returns true when no link failed.
    bool OpenLinks(IZekoNotifyTarget* window, ISettingsStore& store,
                   const std::function<void()>& requestClose);
    // Closes each connected client (each sends "Arn.Fin:").
    void CloseLinks();

    CZekoClient& Client(int link) { return link == 1 ? client1_ : client2_; }
    ValueTable& Values(int link) { return link == 1 ? values1_ : values2_; }
    CUZekoPnp& PlugIn(int link) { return link == 1 ? pnp1_ : pnp2_; }
    // The run's copy of the settings (receives resolved aliases).
    const ServerLinkSettings& Link(int link) const { return link == 1 ? link1_ : link2_; }
    const SubscriptionLists& Lists() const { return lists_; }

private:
    CUZekoPnp pnp1_;
    CUZekoPnp pnp2_;
    ValueTable values1_{};
    ValueTable values2_{};
    ServerLinkSettings link1_;
    ServerLinkSettings link2_;
    SubscriptionLists lists_;
    // Declared last: destroyed first, while the tables they write into still exist.
    CZekoClient client1_;
    CZekoClient client2_;
};

}  // namespace dw
