#include "link/SubscriptionLists.h"

#include <set>
#include <utility>

namespace dw {

int LinkOfServer(std::int32_t server) {
    if (server == 0) return 0;
    return server == 1 ? 1 : 2;
}

std::string VariableLabel(std::int32_t offset, int link) {
    return "offset " + std::to_string(offset) + " server " + std::to_string(link);
}

SubscriptionLists BuildSubscriptionLists(std::span<const LinkedVariable> links, ValueTable& values1,
                                         ValueTable& values2) {
    SubscriptionLists result;
    result.link1.clear();
    result.link2.clear();
    std::set<std::pair<std::int32_t, int>> seen;
    for (const LinkedVariable& linked : links) {
        const int link = LinkOfServer(linked.server);
        if (link == 0) continue;
        if (!seen.insert({linked.offset, link}).second) continue;
        const std::string label = VariableLabel(linked.offset, link);
        if (linked.offset < 0 || linked.offset >= kValueTableSize) {
            result.refused.push_back(label);
            continue;
        }
        // Variable 0 is entered like any other: its entry ends the list for the client.
        VariableCell* cell = &(link == 1 ? values1 : values2)[linked.offset];
        (link == 1 ? result.link1 : result.link2).push_back({linked.offset, cell});
        result.monitor.push_back({label, cell});
    }
    result.link1.push_back({});
    result.link2.push_back({});
    return result;
}

}  // namespace dw
