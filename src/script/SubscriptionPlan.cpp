#include "script/SubscriptionPlan.h"

#include <unordered_set>

#include "model/CElement.h"

namespace dw {

SubscriptionPlan PlanSubscriptions(std::span<const LinkedVariable> links) {
    SubscriptionPlan plan;
    std::unordered_set<std::string> seen;
    for (const LinkedVariable& linked : links) {
        if (linked.server == 0) continue;
        if (linked.offset < 0 || linked.offset >= kVariableCount) continue;
        const int link = linked.server == 1 ? 1 : 2;
        std::string key =
            "offset " + std::to_string(linked.offset) + " server " + std::to_string(link);
        if (!seen.insert(key).second) continue;
        (link == 1 ? plan.link1 : plan.link2).push_back(linked.offset);
        plan.entries.push_back({link, linked.offset, std::move(key)});
    }
    plan.link1.push_back(0);
    plan.link2.push_back(0);
    return plan;
}

std::vector<LinkedVariable> CollectPrimaryLinks(const CElement* first) {
    std::vector<LinkedVariable> links;
    for (const CElement* e = first; e != nullptr; e = e->GetNext())
        links.push_back({e->GetLinkedServer(), e->GetLinkedOffset()});
    return links;
}

}  // namespace dw
