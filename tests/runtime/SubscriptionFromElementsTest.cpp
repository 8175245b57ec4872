// The elements' primary links feed the subscription lists of a run.
#include <gtest/gtest.h>

#include <memory>

#include "link/SubscriptionLists.h"
#include "model/CElement.h"
#include "model/ElementList.h"
#include "runtime/SubscriptionFromElements.h"

namespace {

std::unique_ptr<dw::CElement> Linked(const std::string& program, int server, int offset) {
    auto element = std::make_unique<dw::CElement>(nullptr, dw::ElementKind::Image);
    element->mainProgram = program;
    element->linkedServer = server;
    element->linkedOffset = offset;
    return element;
}

TEST(SubscriptionFromElements, PrimaryLinksInDrawingOrderBecomeTheTwoLists) {
    dw::ElementList list;
    list.Append(Linked("link offset 10 server 1", 1, 10));
    list.Append(Linked("none", 1, 99));  // no program: takes no part
    list.Append(Linked("link offset 20 server 2", 2, 20));
    list.Append(Linked("link offset 10 server 1\r\nshow", 1, 10));
    list.Append(Linked("link offset 30 server 5", 5, 30));
    const std::vector<dw::LinkedVariable> links = dw::LinkedVariablesOf(list.Head());
    ASSERT_EQ(links.size(), 5u);
    EXPECT_EQ(links[1].server, 0);

    dw::ValueTable values1{}, values2{};
    const dw::SubscriptionLists lists = dw::BuildSubscriptionLists(links, values1, values2);
    ASSERT_EQ(lists.link1.size(), 2u);
    EXPECT_EQ(lists.link1[0].offset, 10);
    EXPECT_EQ(lists.link1[0].cell, &values1[10]);
    ASSERT_EQ(lists.link2.size(), 3u);
    EXPECT_EQ(lists.link2[0].offset, 20);
    EXPECT_EQ(lists.link2[1].offset, 30);
    ASSERT_EQ(lists.monitor.size(), 3u);
    EXPECT_EQ(lists.monitor[2].label, "offset 30 server 2");
}

TEST(SubscriptionFromElements, NoElementsNoLinks) {
    EXPECT_TRUE(dw::LinkedVariablesOf(nullptr).empty());
}

}  // namespace
