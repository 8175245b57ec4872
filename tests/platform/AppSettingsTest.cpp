#include "platform/AppSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/SettingsKeys.h"
#include "support/MemorySettingsStore.h"

namespace {

using ::testing::ElementsAre;

TEST(AppSettingsLoad, FreshStoreGivesTheTableDefaults) {
    dwtest::MemorySettingsStore store;
    const dw::AppSettings s = dw::AppSettings::Load(store, "/opt/dw");
    EXPECT_EQ(s.backColor, 0x808080u);
    EXPECT_EQ(s.lastGauge, "");
    EXPECT_EQ(s.link1.alias, "FlightSimulator");
    EXPECT_EQ(s.link1.ip, "127.0.0.1");
    EXPECT_EQ(s.link1.port, 8090);
    EXPECT_EQ(s.link2.alias, "MORV");
    EXPECT_EQ(s.link2.ip, "127.0.0.1");
    EXPECT_EQ(s.link2.port, 8092);
    EXPECT_EQ(s.aliasFile, "/opt/dw/alias.txt");
    EXPECT_EQ(s.windowRect.left, 0);
    EXPECT_EQ(s.windowRect.top, 0);
    EXPECT_EQ(s.windowRect.right, 0);
    EXPECT_EQ(s.windowRect.bottom, 0);
    EXPECT_FALSE(s.maximized);
    EXPECT_TRUE(store.writes.empty()) << "loading must not write";
}

TEST(AppSettingsLoad, StoredValuesWin) {
    dwtest::MemorySettingsStore store;
    store.SeedInt("Options", "BackColor", 0x123456);
    store.Seed("Options", "LastGauge", "/home/u/panel.dwl");
    store.Seed("ZEKO", "Alias1", "FS");
    store.Seed("ZEKO", "ServerIp1", "10.0.0.2");
    store.SeedInt("ZEKO", "ServerPort1", 9000);
    store.Seed("ZEKO", "Alias2", "Other");
    store.Seed("ZEKO", "ServerIp2", "0.0.0.0");
    store.SeedInt("ZEKO", "ServerPort2", 1);
    store.Seed("ZEKO", "AliasFile", "names.txt");
    store.SeedInt("ZEKO", "Rect_Left", -8);
    store.SeedInt("ZEKO", "Rect_Top", 20);
    store.SeedInt("ZEKO", "Rect_Right", 1000);
    store.SeedInt("ZEKO", "Rect_Bottom", 700);
    store.SeedInt("ZEKO", "Maximized", 1);

    const dw::AppSettings s = dw::AppSettings::Load(store, "/opt/dw");
    EXPECT_EQ(s.backColor, 0x123456u);
    EXPECT_EQ(s.lastGauge, "/home/u/panel.dwl");
    EXPECT_EQ(s.link1.alias, "FS");
    EXPECT_EQ(s.link1.ip, "10.0.0.2");
    EXPECT_EQ(s.link1.port, 9000);
    EXPECT_EQ(s.link2.alias, "Other");
    EXPECT_EQ(s.link2.ip, "0.0.0.0");
    EXPECT_EQ(s.link2.port, 1);
    EXPECT_EQ(s.aliasFile, "names.txt");
    EXPECT_EQ(s.windowRect.left, -8);
    EXPECT_EQ(s.windowRect.top, 20);
    EXPECT_EQ(s.windowRect.right, 1000);
    EXPECT_EQ(s.windowRect.bottom, 700);
    EXPECT_TRUE(s.maximized);
}

TEST(AppSettingsLoad, AliasFileDefaultFollowsTheProgramFolder) {
    dwtest::MemorySettingsStore store;
    EXPECT_EQ(dw::AppSettings::ReadAliasFile(store, "/usr/lib/dw/"), "/usr/lib/dw/alias.txt");
    EXPECT_EQ(dw::AppSettings::ReadAliasFile(store, "/"), "/alias.txt");
    store.Seed("ZEKO", "AliasFile", "");
    EXPECT_EQ(dw::AppSettings::ReadAliasFile(store, "/x"), "") << "a stored empty path stays";
}

TEST(AppSettingsLoad, MaximizedOnlyWhenExactlyOne) {
    dwtest::MemorySettingsStore store;
    store.SeedInt("ZEKO", "Rect_Right", 800);
    store.SeedInt("ZEKO", "Rect_Bottom", 600);
    store.SeedInt("ZEKO", "Maximized", 2);
    EXPECT_FALSE(dw::AppSettings::Load(store, ".").maximized);
    EXPECT_FALSE(dw::AppSettings::Load(store, ".").StartMaximised());
    store.SeedInt("ZEKO", "Maximized", 1);
    EXPECT_TRUE(dw::AppSettings::Load(store, ".").StartMaximised());
}

TEST(AppSettingsLoad, FirstStartIsMaximisedWhateverMaximizedSays) {
    dwtest::MemorySettingsStore store;
    store.SeedInt("ZEKO", "Maximized", 0);
    store.SeedInt("ZEKO", "Rect_Left", 50);
    EXPECT_TRUE(dw::AppSettings::Load(store, ".").StartMaximised());
    store.SeedInt("ZEKO", "Rect_Right", 10);  // only one of right/bottom set: not a first start
    EXPECT_FALSE(dw::AppSettings::Load(store, ".").StartMaximised());
}

TEST(AppSettingsSave, WritesEveryKeyInTheFixedOrder) {
    dwtest::MemorySettingsStore store;
    dw::AppSettings s;
    s.aliasFile = "/somewhere/alias.txt";
    s.Save(store, "/g/a.dwl", {1, 2, 3, 4}, true);
    EXPECT_THAT(store.writes,
                ElementsAre("Options/BackColor", "Options/LastGauge", "ZEKO/Alias1",
                            "ZEKO/ServerIp1", "ZEKO/ServerPort1", "ZEKO/Alias2", "ZEKO/ServerIp2",
                            "ZEKO/ServerPort2", "ZEKO/Rect_Left", "ZEKO/Rect_Top",
                            "ZEKO/Rect_Right", "ZEKO/Rect_Bottom", "ZEKO/Maximized"));
    EXPECT_FALSE(store.Has("ZEKO", "AliasFile"));
}

TEST(AppSettingsSave, ValuesRoundTripThroughLoad) {
    dwtest::MemorySettingsStore store;
    dw::AppSettings s;
    s.backColor = 0xFFFFFF;
    s.lastGauge = "ignored, the path argument is saved";
    s.link1 = {"A\xe9", "1.2.3.4", 65535};
    s.link2 = {"", "255.255.255.255", -1};
    s.Save(store, "/g/caf\xe9.dwl", {-100, -50, 300, 200}, false);

    EXPECT_EQ(store.Raw("Options", "BackColor"), "16777215");
    EXPECT_EQ(store.Raw("ZEKO", "Maximized"), "0");
    const dw::AppSettings back = dw::AppSettings::Load(store, "/p");
    EXPECT_EQ(back.backColor, 0xFFFFFFu);
    EXPECT_EQ(back.lastGauge, "/g/caf\xe9.dwl");
    EXPECT_EQ(back.link1.alias, "A\xe9");
    EXPECT_EQ(back.link1.ip, "1.2.3.4");
    EXPECT_EQ(back.link1.port, 65535);
    EXPECT_EQ(back.link2.alias, "");
    EXPECT_EQ(back.link2.ip, "255.255.255.255");
    EXPECT_EQ(back.link2.port, -1);
    EXPECT_EQ(back.windowRect.left, -100);
    EXPECT_EQ(back.windowRect.top, -50);
    EXPECT_EQ(back.windowRect.right, 300);
    EXPECT_EQ(back.windowRect.bottom, 200);
    EXPECT_FALSE(back.maximized);

    s.Save(store, "/g/b.dwl", {0, 0, 10, 10}, true);
    EXPECT_EQ(store.Raw("ZEKO", "Maximized"), "1");
}

TEST(InverseColour, ChannelOf128BecomesZero) {
    EXPECT_EQ(dw::InverseColour(0x808080), 0x000000u);
    EXPECT_EQ(dw::InverseColour(0x000000), 0xFFFFFFu);
    EXPECT_EQ(dw::InverseColour(0x80FF00), 0x0000FFu);
    EXPECT_EQ(dw::InverseColour(0xFFFFFF), 0x000000u);
}

TEST(InverseColour, ChannelsNextTo128AreInvertedNormally) {
    EXPECT_EQ(dw::InverseColour(0x7F7F7F), 0x808080u);
    EXPECT_EQ(dw::InverseColour(0x818181), 0x7E7E7Eu);
    // Each channel is handled on its own: red 0x12, green 0x80, blue 0x81.
    EXPECT_EQ(dw::InverseColour(0x818012), 0x7E00EDu);
}

TEST(InverseColour, HighByteIsIgnored) {
    EXPECT_EQ(dw::InverseColour(0xFF808080), 0x000000u);
    EXPECT_EQ(dw::InverseColour(0x01000000), 0xFFFFFFu);
}

TEST(SettingsKeys, FormattedKeys) {
    EXPECT_EQ(dw::settings::PathKey(1), "Path_1");
    EXPECT_EQ(dw::settings::PathKey(12), "Path_12");
    EXPECT_EQ(dw::settings::HotKeyEntryKey(0), "0000");
    EXPECT_EQ(dw::settings::HotKeyEntryKey(7), "0007");
    EXPECT_EQ(dw::settings::HotKeyEntryKey(123), "0123");
    EXPECT_EQ(dw::settings::HotKeyEntryKey(9999), "9999");
    EXPECT_EQ(dw::settings::HotKeyEntryKey(12345), "2345");
}

}  // namespace
