// Subscription lists built from the elements' primary links: numbers outside the value tables
// are refused, never written through.
#include <gtest/gtest.h>

#include "link/SubscriptionLists.h"

namespace {

TEST(SubscriptionLists, EachVariableOfALinkIsSubscribedOnceInOrderOfFirstAppearance) {
    dw::ValueTable values1{}, values2{};
    // Server 0 takes no part and any server but 1 is link 2; variable 0 is entered like any
    // other and so ends its list: 30, behind it on link 1, is never subscribed (yet keeps its
    // monitor line); numbers outside 0..1195 are refused.
    const std::vector<dw::LinkedVariable> links = {{1, 10},  {1, 20},   {1, 10}, {2, 10},
                                                   {3, 10},  {0, 5},    {1, 0},  {1, 1196},
                                                   {-1, -1}, {2, 1195}, {1, 30}};
    const dw::SubscriptionLists lists = dw::BuildSubscriptionLists(links, values1, values2);
    auto Cell = [&](const dw::VariableCell* cell, int offset) -> std::string {
        return cell == &values1[offset] ? "@1" : cell == &values2[offset] ? "@2" : "@?";
    };
    std::string text;
    for (int link : {1, 2}) {
        for (const dw::SubscriptionEntry* entry = lists.List(link); entry->offset; ++entry)
            text += std::to_string(entry->offset) + Cell(entry->cell, entry->offset) + " ";
        text += "| ";
    }
    for (const dw::MonitorVariable& line : lists.monitor)
        text += line.label + Cell(line.cell, std::stoi(line.label.substr(7))) + ", ";
    EXPECT_EQ(text,
              "10@1 20@1 | 10@2 1195@2 | offset 10 server 1@1, offset 20 server 1@1, "
              "offset 10 server 2@2, offset 0 server 1@1, offset 1195 server 2@2, "
              "offset 30 server 1@1, ");
    EXPECT_EQ(lists.link1[2].cell, &values1[0]);
    EXPECT_EQ(lists.refused,
              (std::vector<std::string>{"offset 1196 server 1", "offset -1 server 2"}));
}

}  // namespace
