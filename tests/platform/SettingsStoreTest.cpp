// The INI store, the overlay store and the shared integer reading.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/IniSettingsStore.h"
#include "platform/OverlaySettingsStore.h"
#include "support/TempDir.h"

namespace {

using ::testing::ElementsAre;

TEST(ParseSettingInt, SignedDecimalWithBlanksElseTheDefault) {
    // Beyond 32 bits the low bits stay: a colour written unsigned reads as the same bits.
    const std::pair<const char*, std::int32_t> rows[] = {
        {"  -42 ", -42}, {"-2147483648", INT32_MIN}, {"4294967295", -1}};
    for (const auto& [text, value] : rows) EXPECT_EQ(dw::ParseSettingInt(text, 7), value) << text;
    for (const char* text : {"", "12abc", "0x10", "+-3", "99999999999999999999999"}) {
        EXPECT_EQ(dw::ParseSettingInt(text, 7), 7) << text;
    }
}

TEST(IniSettingsStore, ValuesRoundTripThroughTheFileByteForByte) {
    dwtest::TempDir dir;
    const std::string path = dir.File("s.ini");
    // clang-format off
    const std::vector<std::string> strings = {
        "Caf\xe9 \xba \xff\xa0!", "C:\\gauges\\panel.dwl", "a,b,c", "  padded  ", "\"quoted\"",
        "", "semi;colon = equals", "100", "line1\r\nline2", "[not a section]"};
    // clang-format on
    const std::pair<const char*, std::int32_t> ints[] = {
        {"Rect_Left", -1234}, {"BackColor", 0x808080}, {"Min", INT32_MIN}, {"Max", INT32_MAX}};
    {
        dw::IniSettingsStore store(path);
        EXPECT_EQ(store.ReadInt("Options", "BackColor", 8421504), 8421504);
        EXPECT_EQ(store.ReadString("Options", "LastGauge", "dflt"), "dflt");
        for (const auto& [key, value] : ints) store.WriteInt("ZEKO", key, value);
        for (std::size_t i = 0; i < strings.size(); ++i) {
            store.WriteString("Paths", "Path_" + std::to_string(i), strings[i]);
        }
    }
    EXPECT_THAT(dwtest::ReadFile(path), ::testing::HasSubstr("8421504"));
    const dw::IniSettingsStore store(path);
    for (const auto& [key, value] : ints) EXPECT_EQ(store.ReadInt("ZEKO", key, 0), value) << key;
    for (std::size_t i = 0; i < strings.size(); ++i) {
        EXPECT_EQ(store.ReadString("Paths", "Path_" + std::to_string(i), "?"), strings[i]) << i;
    }
    EXPECT_EQ(store.ReadInt("Options", "Rect_Left", 99), 99) << "sections keep keys apart";
    // Integers and text share one value.
    EXPECT_EQ(store.ReadInt("Paths", "Path_7", 0), 100);
    EXPECT_EQ(store.ReadInt("Paths", "Path_0", 5), 5);
    EXPECT_EQ(store.ReadString("ZEKO", "Rect_Left", ""), "-1234");
}

TEST(OverlaySettingsStore, ReadsAHandEditedFileButKeepsItsWritesAwayFromIt) {
    dwtest::TempDir dir;
    const std::string text =
        "[Keys]\n0000=HK_32787_116_0\n[RunTime]\nLastError= 9001 \n"
        "[Options]\nLastGauge=/g/a,b.dwl\n[ZEKO]\nServerPort1=abc\n";
    const std::string path = dir.Write("user.ini", text);
    {
        const dw::IniSettingsStore user(path);
        dw::OverlaySettingsStore overlay(user);
        EXPECT_EQ(overlay.ReadString("Keys", "0000", ""), "HK_32787_116_0");
        EXPECT_EQ(overlay.ReadInt("RunTime", "LastError", 0), 9001);
        EXPECT_EQ(overlay.ReadString("Options", "LastGauge", ""), "/g/a,b.dwl");
        EXPECT_EQ(overlay.ReadInt("ZEKO", "ServerPort1", 8090), 8090);
        overlay.WriteInt("RunTime", "LastError", 0);
        overlay.WriteString("Options", "LastGauge", "/x.dwl");
        overlay.WriteInt("RunTime", "LastError", 2);
        EXPECT_EQ(user.ReadInt("RunTime", "LastError", 0), 9001);
        EXPECT_EQ(overlay.ReadInt("RunTime", "LastError", 0), 2);
        EXPECT_EQ(overlay.ReadString("Options", "LastGauge", ""), "/x.dwl");
        EXPECT_THAT(overlay.WriteLog(),
                    ElementsAre("RunTime/LastError", "Options/LastGauge", "RunTime/LastError"));
        EXPECT_EQ(overlay.Changes().size(), 2u);
    }
    EXPECT_EQ(dwtest::ReadFile(path), text);
}

}  // namespace
