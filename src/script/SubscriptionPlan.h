#pragma once
// Which variables the player subscribes on each server link: one entry per distinct primary
// link, in the order in which the elements first name it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dw {

class CElement;

struct LinkedVariable {
    std::int32_t server = 0;  // as GetLinkedServer(): 0 none, 1 link 1, any other link 2
    std::int32_t offset = 0;  // as GetLinkedOffset()
};

struct SubscriptionPlan {
    struct Entry {
        int link = 1;             // 1 or 2
        std::int32_t offset = 0;  // variable number
        std::string key;          // "offset %d server %d", as the monitor lists it
    };
    // Every subscribed variable in order of first appearance, for the monitor.
    std::vector<Entry> entries;
    // The variable numbers of each link, each list ended by 0 (the client's list form).
    std::vector<std::int32_t> link1;
    std::vector<std::int32_t> link2;
};

// Builds the plan from the primary links in list order: links with server 0 are skipped; a
// server other than 1 counts as link 2; a variable already added (same offset and link) is
// not added again. A variable number outside the variable tables (0 to 1195) has no cell to
// receive its values and is left out. Number 0 is kept where it falls: the client's list
// ends there.
SubscriptionPlan PlanSubscriptions(std::span<const LinkedVariable> links);

// The primary links of an element list, from `first` on, in list order.
std::vector<LinkedVariable> CollectPrimaryLinks(const CElement* first);

}  // namespace dw
