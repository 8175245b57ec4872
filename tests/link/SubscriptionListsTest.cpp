// Subscription lists built from the elements' primary links, and the link report messages.
#include <gtest/gtest.h>

#include <vector>

#include "link/ServerLinkReport.h"
#include "link/ServerLinkSettings.h"
#include "link/SubscriptionLists.h"

namespace {

using dw::LinkedVariable;
using dw::SubscriptionEntry;

std::vector<std::int32_t> Offsets(const std::vector<SubscriptionEntry>& list) {
    std::vector<std::int32_t> offsets;
    for (const SubscriptionEntry& entry : list) offsets.push_back(entry.offset);
    return offsets;
}

std::vector<std::string> Labels(const dw::SubscriptionLists& lists) {
    std::vector<std::string> labels;
    for (const auto& line : lists.monitor) labels.push_back(line.label);
    return labels;
}

class SubscriptionListsTest : public ::testing::Test {
protected:
    dw::SubscriptionLists Build(const std::vector<LinkedVariable>& links) {
        return dw::BuildSubscriptionLists(links, values1_, values2_);
    }
    dw::ValueTable values1_{};
    dw::ValueTable values2_{};
};

TEST_F(SubscriptionListsTest, EachVariableOfALinkIsSubscribedOnceInOrderOfFirstAppearance) {
    const auto lists = Build({{1, 10}, {1, 20}, {1, 10}, {2, 10}, {2, 10}, {1, 30}});
    EXPECT_EQ(Offsets(lists.link1), (std::vector<std::int32_t>{10, 20, 30, 0}));
    EXPECT_EQ(Offsets(lists.link2), (std::vector<std::int32_t>{10, 0}));
    EXPECT_EQ(Labels(lists),
              (std::vector<std::string>{"offset 10 server 1", "offset 20 server 1",
                                        "offset 10 server 2", "offset 30 server 1"}));
}

TEST_F(SubscriptionListsTest, CellsPointIntoTheTableOfTheirLink) {
    const auto lists = Build({{1, 7}, {2, 1195}});
    EXPECT_EQ(lists.link1[0].cell, &values1_[7]);
    EXPECT_EQ(lists.link2[0].cell, &values2_[1195]);
    EXPECT_EQ(lists.link1.back().cell, nullptr);
    EXPECT_EQ(lists.monitor[0].cell, &values1_[7]);
    EXPECT_EQ(lists.monitor[1].cell, &values2_[1195]);
    EXPECT_EQ(lists.List(1), lists.link1.data());
    EXPECT_EQ(lists.List(2), lists.link2.data());
}

TEST_F(SubscriptionListsTest, AnyServerOtherThanOneIsLinkTwoAndZeroTakesNoPart) {
    const auto lists = Build({{0, 5}, {3, 5}, {-1, 6}, {2, 5}});
    EXPECT_EQ(Offsets(lists.link1), (std::vector<std::int32_t>{0}));
    EXPECT_EQ(Offsets(lists.link2), (std::vector<std::int32_t>{5, 6, 0}));
    EXPECT_EQ(Labels(lists), (std::vector<std::string>{"offset 5 server 2", "offset 6 server 2"}));
    EXPECT_EQ(dw::LinkOfServer(0), 0);
    EXPECT_EQ(dw::LinkOfServer(1), 1);
    EXPECT_EQ(dw::LinkOfServer(7), 2);
}

TEST_F(SubscriptionListsTest, NumbersOutsideTheTablesAreRefused) {
    const auto lists = Build({{1, 1196}, {1, -1}, {2, 4}, {1, 1196}});
    EXPECT_EQ(Offsets(lists.link1), (std::vector<std::int32_t>{0}));
    EXPECT_EQ(lists.refused,
              (std::vector<std::string>{"offset 1196 server 1", "offset -1 server 1"}));
    EXPECT_EQ(Labels(lists), (std::vector<std::string>{"offset 4 server 2"}));
}

TEST_F(SubscriptionListsTest, VariableZeroGetsAMonitorLineButDoesNotCutTheList) {
    const auto lists = Build({{1, 3}, {1, 0}, {1, 4}});
    EXPECT_EQ(Offsets(lists.link1), (std::vector<std::int32_t>{3, 4, 0}));
    EXPECT_EQ(Labels(lists), (std::vector<std::string>{"offset 3 server 1", "offset 0 server 1",
                                                       "offset 4 server 1"}));
}

TEST_F(SubscriptionListsTest, NoLinkedElementsGiveTwoEmptyLists) {
    const auto lists = Build({});
    EXPECT_EQ(Offsets(lists.link1), (std::vector<std::int32_t>{0}));
    EXPECT_EQ(Offsets(lists.link2), (std::vector<std::int32_t>{0}));
    EXPECT_TRUE(lists.monitor.empty());
}

TEST(ServerLinkSettingsTest, DefaultsAndReservedAddresses) {
    EXPECT_EQ(dw::DefaultServerLink(1),
              (dw::ServerLinkSettings{"FlightSimulator", "127.0.0.1", 8090}));
    EXPECT_EQ(dw::DefaultServerLink(2), (dw::ServerLinkSettings{"MORV", "127.0.0.1", 8092}));
    EXPECT_TRUE((dw::ServerLinkSettings{"", "0.0.0.0", 1}).IsOff());
    EXPECT_TRUE((dw::ServerLinkSettings{"", "255.255.255.255", 1}).IsByAlias());
    EXPECT_FALSE((dw::ServerLinkSettings{"", "127.0.0.1", 1}).IsByAlias());
}

TEST(ServerLinkReportTest, AliasLinkGetsTheAliasMessage) {
    const dw::ServerLinkSettings byAlias{"MORV", "255.255.255.255", 8092};
    const auto report = dw::ServerLinkReport(9002, dw::DefaultServerLink(1), byAlias);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->title, "ZEKO error");
    EXPECT_EQ(report->text,
              "Could not find any ZEKO Server with alias MORV for the ZEKO Client n\xBA 2.\r\n\r\n"
              "Do you want change it's configuration?");
    EXPECT_EQ(report->buttons, dw::Buttons::YesNo);
    EXPECT_EQ(report->icon, dw::Icon::Error);
}

TEST(ServerLinkReportTest, AddressLinkGetsTheNotRespondingMessage) {
    const dw::ServerLinkSettings direct{"X", "10.1.2.3", 8090};
    const auto report = dw::ServerLinkReport(9001, direct, direct);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->text,
              "The ZEKO Server at zeko://10.1.2.3:8090, for the ZEKO Client 1, is not "
              "responding.\r\n\r\nDo you want change it's configuration?");
}

TEST(ServerLinkReportTest, TextsAreNeverUsedAsFormats) {
    EXPECT_EQ(dw::AliasNotFoundText("%s%d", 1),
              "Could not find any ZEKO Server with alias %s%d for the ZEKO Client n\xBA 1.\r\n\r\n"
              "Do you want change it's configuration?");
}

TEST(ServerLinkReportTest, OtherCodesHaveNoLinkReport) {
    for (int code : {0, 1, 2, 8001, 9000, 9003})
        EXPECT_FALSE(dw::ServerLinkReport(code, dw::DefaultServerLink(1), dw::DefaultServerLink(2)))
            << code;
}

}  // namespace
