// The main window's settings.
#include "platform/AppSettings.h"

#include <gtest/gtest.h>

#include "support/MemorySettingsStore.h"

namespace {

// Every field of the settings on one line, so that a whole load is checked at once.
std::string Dump(const dw::AppSettings& s) {
    const auto link = [](const dw::AppSettings::Link& l) {
        return l.alias + "@" + l.ip + ":" + std::to_string(l.port);
    };
    const auto& r = s.windowRect;
    return std::to_string(s.backColor) + "|" + s.lastGauge + "|" + link(s.link1) + "|" +
           link(s.link2) + "|" + s.aliasFile + "|" + std::to_string(r.left) + "," +
           std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom) +
           "|" + (s.maximized ? "max" : "normal");
}

TEST(AppSettings, FreshStoreGivesTheTableDefaultsWithoutWriting) {
    dwtest::MemorySettingsStore store;
    EXPECT_EQ(Dump(dw::AppSettings::Load(store, "/opt/dw")),
              "8421504||FlightSimulator@127.0.0.1:8090|MORV@127.0.0.1:8092|/opt/dw/alias.txt|"
              "0,0,0,0|normal");
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(dw::AppSettings::Load(store, ".").StartMaximised()) << "the first start";
    store.Seed("ZEKO", "AliasFile", "");
    EXPECT_EQ(dw::AppSettings::ReadAliasFile(store, "/x"), "") << "a stored empty path stays";
}

TEST(AppSettings, SaveWritesEveryKeyButTheAliasFileAndLoadReadsThemBack) {
    dwtest::MemorySettingsStore store;
    store.Seed("ZEKO", "AliasFile", "names.txt");
    dw::AppSettings s;
    s.backColor = 0xFFFFFF;
    s.lastGauge = "ignored, the path argument is saved";
    s.link1 = {"A\xe9", "10.0.0.2", 65535};
    s.link2 = {"", "255.255.255.255", -1};
    s.aliasFile = "/somewhere/alias.txt";
    s.Save(store, "/g/caf\xe9.dwl", {-100, -50, 300, 200}, true);
    EXPECT_EQ(store.Raw("ZEKO", "Maximized"), "1");
    EXPECT_EQ(store.Raw("ZEKO", "AliasFile"), "names.txt") << "never written";
    EXPECT_EQ(Dump(dw::AppSettings::Load(store, "/p")),
              "16777215|/g/caf\xe9.dwl|A\xe9@10.0.0.2:65535|@255.255.255.255:-1|names.txt|"
              "-100,-50,300,200|max");
    s.Save(store, "/g/b.dwl", {0, 0, 10, 10}, false);
    EXPECT_EQ(store.Raw("ZEKO", "Maximized"), "0");
    EXPECT_FALSE(dw::AppSettings::Load(store, ".").StartMaximised());
    store.SeedInt("ZEKO", "Maximized", 2);
    EXPECT_FALSE(dw::AppSettings::Load(store, ".").StartMaximised()) << "only exactly 1";
}

}  // namespace
