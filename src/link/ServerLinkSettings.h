#pragma once
// One configured server link: a dotted IPv4 address (or host name) and a TCP port, or an
// alias that the plug-in module resolves when a run starts.
#include <cstdint>
#include <string>

namespace dw {

// The link is off: no client is opened for it.
inline constexpr char kLinkOffIp[] = "0.0.0.0";
// Find the server by its alias through the plug-in module at the start of each run.
inline constexpr char kLinkByAliasIp[] = "255.255.255.255";

struct ServerLinkSettings {
    std::string alias;
    std::string ip;
    std::int32_t port = 0;

    bool IsOff() const { return ip == kLinkOffIp; }
    bool IsByAlias() const { return ip == kLinkByAliasIp; }
    bool operator==(const ServerLinkSettings&) const = default;
};

}  // namespace dw
