// The INI store, the overlay store and the shared integer reading.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/IniSettingsStore.h"
#include "platform/OverlaySettingsStore.h"
#include "support/MemorySettingsStore.h"
#include "support/TempDir.h"

namespace {

using ::testing::ElementsAre;

TEST(ParseSettingInt, AcceptsSignedDecimalWithBlanks) {
    EXPECT_EQ(dw::ParseSettingInt("42", 7), 42);
    EXPECT_EQ(dw::ParseSettingInt("  -42 ", 7), -42);
    EXPECT_EQ(dw::ParseSettingInt("+5", 7), 5);
    EXPECT_EQ(dw::ParseSettingInt("-2147483648", 7), INT32_MIN);
    EXPECT_EQ(dw::ParseSettingInt("2147483647", 7), INT32_MAX);
}

TEST(ParseSettingInt, RejectsOtherText) {
    EXPECT_EQ(dw::ParseSettingInt("", 7), 7);
    EXPECT_EQ(dw::ParseSettingInt("   ", 7), 7);
    EXPECT_EQ(dw::ParseSettingInt("12abc", 7), 7);
    EXPECT_EQ(dw::ParseSettingInt("0x10", 7), 7);
    EXPECT_EQ(dw::ParseSettingInt("+-3", 7), 7);
    EXPECT_EQ(dw::ParseSettingInt("+", 7), 7);
    EXPECT_EQ(dw::ParseSettingInt("1 2", 7), 7);
    EXPECT_EQ(dw::ParseSettingInt("99999999999999999999999", 7), 7);
}

TEST(ParseSettingInt, KeepsTheLow32BitsOfLargerNumbers) {
    // A colour written unsigned by another tool reads as the same bits.
    EXPECT_EQ(dw::ParseSettingInt("4294967295", 0), -1);
    EXPECT_EQ(dw::ParseSettingInt("4278190080", 0), static_cast<std::int32_t>(0xFF000000u));
}

TEST(IniSettingsStore, AbsentKeysGiveTheDefault) {
    dwtest::TempDir dir;
    dw::IniSettingsStore store(dir.File("s.ini"));
    EXPECT_EQ(store.ReadInt("Options", "BackColor", 8421504), 8421504);
    EXPECT_EQ(store.ReadString("Options", "LastGauge", "dflt"), "dflt");
}

TEST(IniSettingsStore, IntegersRoundTripThroughTheFile) {
    dwtest::TempDir dir;
    const std::string path = dir.File("s.ini");
    {
        dw::IniSettingsStore store(path);
        store.WriteInt("ZEKO", "Rect_Left", -1234);
        store.WriteInt("Options", "BackColor", 0x808080);
        store.WriteInt("Options", "White", 0xFFFFFF);
        store.WriteInt("RunTime", "LastError", -2);
        store.WriteInt("ZEKO", "Min", INT32_MIN);
        store.WriteInt("ZEKO", "Max", INT32_MAX);
    }
    EXPECT_THAT(dwtest::ReadFile(path), ::testing::HasSubstr("8421504"));
    dw::IniSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("ZEKO", "Rect_Left", 0), -1234);
    EXPECT_EQ(store.ReadInt("Options", "BackColor", 0), 0x808080);
    EXPECT_EQ(store.ReadInt("Options", "White", 0), 0xFFFFFF);
    EXPECT_EQ(store.ReadInt("RunTime", "LastError", 0), -2);
    EXPECT_EQ(store.ReadInt("ZEKO", "Min", 0), INT32_MIN);
    EXPECT_EQ(store.ReadInt("ZEKO", "Max", 0), INT32_MAX);
    // Sections keep their keys apart.
    EXPECT_EQ(store.ReadInt("Options", "Rect_Left", 99), 99);
}

TEST(IniSettingsStore, StringsRoundTripByteForByte) {
    dwtest::TempDir dir;
    const std::string path = dir.File("s.ini");
    const std::string latin1 = "Caf\xe9 \xba \xff\xa0!";
    const std::vector<std::string> values = {
        latin1,           "C:\\gauges\\panel.dwl", "a,b,c", "  padded  ", "\"quoted\"",
        "@Variant(x)",    "semi;colon = equals",   "",      "100",        "line1\r\nline2",
        "#not a comment", "[not a section]"};
    {
        dw::IniSettingsStore store(path);
        for (std::size_t i = 0; i < values.size(); ++i) {
            store.WriteString("Paths", "Path_" + std::to_string(i), values[i]);
        }
    }
    dw::IniSettingsStore store(path);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(store.ReadString("Paths", "Path_" + std::to_string(i), "?"), values[i])
            << "value " << i;
    }
    // A number written as text reads as an integer, and an integer as its text.
    EXPECT_EQ(store.ReadInt("Paths", "Path_8", 0), 100);
    EXPECT_EQ(store.ReadInt("Paths", "Path_0", 5), 5);
}

TEST(IniSettingsStore, IntegerWrittenReadsAsText) {
    dwtest::TempDir dir;
    dw::IniSettingsStore store(dir.File("s.ini"));
    store.WriteInt("Keys", "Total", 3);
    EXPECT_EQ(store.ReadString("Keys", "Total", ""), "3");
}

TEST(IniSettingsStore, HandEditedFileIsRead) {
    dwtest::TempDir dir;
    const std::string path = dir.Write("s.ini",
                                       "[Options]\n"
                                       "BackColor= 255 \n"
                                       "LastGauge=/g/a,b.dwl\n"
                                       "[ZEKO]\n"
                                       "ServerPort1=abc\n");
    dw::IniSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Options", "BackColor", 0), 255);
    EXPECT_EQ(store.ReadString("Options", "LastGauge", ""), "/g/a,b.dwl");
    EXPECT_EQ(store.ReadInt("ZEKO", "ServerPort1", 8090), 8090);
}

TEST(OverlaySettingsStore, ReadsThroughToTheBase) {
    dwtest::MemorySettingsStore base;
    base.SeedInt("Keys", "Total", 2);
    base.Seed("Keys", "0000", "HK_32787_116_0");
    dw::OverlaySettingsStore overlay(base);
    EXPECT_EQ(overlay.ReadInt("Keys", "Total", 0), 2);
    EXPECT_EQ(overlay.ReadString("Keys", "0000", ""), "HK_32787_116_0");
    EXPECT_EQ(overlay.ReadInt("Keys", "Missing", 17), 17);
}

TEST(OverlaySettingsStore, WritesNeverReachTheBase) {
    dwtest::MemorySettingsStore base;
    base.SeedInt("RunTime", "LastError", 9001);
    dw::OverlaySettingsStore overlay(base);
    overlay.WriteInt("RunTime", "LastError", 0);
    overlay.WriteString("Options", "LastGauge", "/x.dwl");
    overlay.WriteInt("RunTime", "LastError", 2);

    EXPECT_TRUE(base.writes.empty());
    EXPECT_EQ(base.Raw("RunTime", "LastError"), "9001");
    EXPECT_FALSE(base.Has("Options", "LastGauge"));

    EXPECT_EQ(overlay.ReadInt("RunTime", "LastError", 0), 2);
    EXPECT_EQ(overlay.ReadString("Options", "LastGauge", ""), "/x.dwl");
    EXPECT_THAT(overlay.WriteLog(),
                ElementsAre("RunTime/LastError", "Options/LastGauge", "RunTime/LastError"));
    EXPECT_EQ(overlay.Changes().size(), 2u);
}

TEST(OverlaySettingsStore, LeavesAnIniFileUntouched) {
    dwtest::TempDir dir;
    const std::string path = dir.File("user.ini");
    {
        dw::IniSettingsStore user(path);
        user.WriteInt("ZEKO", "ServerPort1", 8090);
    }
    const std::string before = dwtest::ReadFile(path);
    {
        const dw::IniSettingsStore user(path);
        dw::OverlaySettingsStore overlay(user);
        overlay.WriteInt("ZEKO", "ServerPort1", 1);
        overlay.WriteString("ZEKO", "Alias1", "x");
        EXPECT_EQ(overlay.ReadInt("ZEKO", "ServerPort1", 0), 1);
    }
    EXPECT_EQ(dwtest::ReadFile(path), before);
}

TEST(OverlaySettingsStore, TextAndIntegersShareOneValue) {
    dwtest::MemorySettingsStore base;
    dw::OverlaySettingsStore overlay(base);
    overlay.WriteString("Paths", "Total", " 3 ");
    EXPECT_EQ(overlay.ReadInt("Paths", "Total", 0), 3);
    overlay.WriteString("Paths", "Total", "three");
    EXPECT_EQ(overlay.ReadInt("Paths", "Total", 9), 9);
    overlay.WriteInt("Paths", "Total", -4);
    EXPECT_EQ(overlay.ReadString("Paths", "Total", ""), "-4");
}

}  // namespace
