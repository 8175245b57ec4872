#pragma once
// Looks a link's alias up through the plug-in module: "Count" is asked up to 30 times, one
// second apart, until it answers nonzero; then "GetIpAndPortOf" gives the address and port.
#include <functional>

#include "link/ServerLinkSettings.h"
#include "link/UZekoPnp.h"

namespace dw {

inline constexpr int kAliasCountCalls = 30;
inline constexpr int kAliasRetryMs = 1000;

// Waits the given number of milliseconds (the resolver's pause between two "Count" calls).
using WaitFunction = std::function<void(int ms)>;
void SleepMs(int ms);

// When the module can resolve and "Count" finds the alias, sets link.ip and link.port to the
// module's answer and returns true; otherwise link is left as it was. `wait` is called
// between the calls of "Count" that returned 0.
bool ResolveAlias(const CUZekoPnp& pnp, ServerLinkSettings& link,
                  const WaitFunction& wait = SleepMs);

}  // namespace dw
