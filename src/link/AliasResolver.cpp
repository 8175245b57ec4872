#include "link/AliasResolver.h"

#include <chrono>
#include <string>
#include <thread>

namespace dw {

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool ResolveAlias(const CUZekoPnp& pnp, ServerLinkSettings& link, const WaitFunction& wait) {
    if (!pnp.CanResolve()) return false;
    for (int call = 1; call <= kAliasCountCalls; ++call) {
        if (pnp.Count(link.alias) != 0) {
            std::string address;
            int port = -1;
            pnp.GetIpAndPortOf(link.alias, address, port);
            link.ip = address;
            link.port = port;
            return true;
        }
        if (call < kAliasCountCalls && wait) wait(kAliasRetryMs);
    }
    return false;
}

}  // namespace dw
