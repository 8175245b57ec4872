#pragma once
// Turns the primary links of a gauge's elements into the two subscription lists of a run,
// plus the monitor's list of variables. Each (variable, link) pair is subscribed once, in
// order of first appearance.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/SubscriptionEntry.h"

namespace dw {

// A run's value table of one link: cells for variable numbers 0..1195.
inline constexpr int kValueTableSize = 1196;
using ValueTable = std::array<VariableCell, kValueTableSize>;

// An element's primary link: server 0 = none, 1 = link 1, any other value = link 2.
struct LinkedVariable {
    std::int32_t server = 0;
    std::int32_t offset = 0;
};

// One line of the monitor window: its label and the cell it shows.
struct MonitorVariable {
    std::string label;
    VariableCell* cell = nullptr;
};

struct SubscriptionLists {
    // Each list ends with { 0, null }; a client reads it up to its first entry numbered 0.
    std::vector<SubscriptionEntry> link1{SubscriptionEntry{}};
    std::vector<SubscriptionEntry> link2{SubscriptionEntry{}};
    std::vector<MonitorVariable> monitor;
    // Labels of linked variables whose number lies outside the tables (not subscribed).
    std::vector<std::string> refused;

    const SubscriptionEntry* List(int link) const {
        return link == 1 ? link1.data() : link2.data();
    }
};

// 0 for server 0, 1 for server 1, 2 for any other server number.
int LinkOfServer(std::int32_t server);
// "offset %d server %d" with the variable number and the link number.
std::string VariableLabel(std::int32_t offset, int link);

// Walks the links in drawing order. Elements with server 0 take no part. Variable 0 is
// entered like any other, so it ends its link's list: the variables entered behind it on that
// link are neither registered nor subscribed (their monitor lines stay at 0). Numbers outside
// 0..1195 are refused.
SubscriptionLists BuildSubscriptionLists(std::span<const LinkedVariable> links, ValueTable& values1,
                                         ValueTable& values2);

}  // namespace dw
