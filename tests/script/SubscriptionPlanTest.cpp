// The variables a player subscribes for the elements' primary links.
#include <gtest/gtest.h>

#include <vector>

#include "script/SubscriptionPlan.h"

namespace {

using dw::LinkedVariable;

TEST(SubscriptionPlan, OneEntryPerDistinctVariableInOrder) {
    const std::vector<LinkedVariable> links = {
        {1, 300}, {0, 5}, {2, 12}, {1, 300}, {7, 12}, {1, 45}, {2, 300},
    };
    const auto plan = dw::PlanSubscriptions(links);
    EXPECT_EQ(plan.link1, (std::vector<std::int32_t>{300, 45, 0}));
    EXPECT_EQ(plan.link2, (std::vector<std::int32_t>{12, 300, 0}));
    ASSERT_EQ(plan.entries.size(), 4u);
    EXPECT_EQ(plan.entries[0].key, "offset 300 server 1");
    EXPECT_EQ(plan.entries[1].key, "offset 12 server 2");
    EXPECT_EQ(plan.entries[2].key, "offset 45 server 1");
    EXPECT_EQ(plan.entries[3].key, "offset 300 server 2");
    EXPECT_EQ(plan.entries[3].link, 2);
}

TEST(SubscriptionPlan, EmptyListsAreJustTheEnd) {
    const auto plan = dw::PlanSubscriptions(std::vector<LinkedVariable>{{0, 1}, {0, -1}});
    EXPECT_EQ(plan.link1, std::vector<std::int32_t>{0});
    EXPECT_EQ(plan.link2, std::vector<std::int32_t>{0});
    EXPECT_TRUE(plan.entries.empty());
}

TEST(SubscriptionPlan, VariablesOutsideTheTablesAreLeftOut) {
    const auto plan =
        dw::PlanSubscriptions(std::vector<LinkedVariable>{{1, -1}, {1, 1196}, {1, 1195}, {2, 0}});
    EXPECT_EQ(plan.link1, (std::vector<std::int32_t>{1195, 0}));
    // Number 0 stays where it falls (the client's list ends there).
    EXPECT_EQ(plan.link2, (std::vector<std::int32_t>{0, 0}));
}

}  // namespace
