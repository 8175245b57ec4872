// Hot-key entries, loading, matching and the key mapping.
#include <gtest/gtest.h>

#include "runtime/HotKeys.h"
#include "runtime/KeyCodes.h"
#include "support/MemorySettingsStore.h"

namespace {

using namespace dw;

TEST(HotKeyEntry, ParsesOnlyThreeNumbers) {
    struct Case {
        const char* text;
        bool ok;
        HotKeyBinding binding;
    };
    const Case cases[] = {
        {"HK_32787_116_0", true, {32787, 116, 0}},
        {"HK_1_2_-3", true, {1, 2, -3}},
        {"HK_32787_116", false, {}},
        {"HK_32787_116_0_9", false, {}},
        {"hk_32787_116_0", false, {}},
        {"HK_32787_x_0", false, {}},
        {"HK__116_0", false, {}},
        {"HK_99999999999_1_1", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseHotKeyEntry(c.text);
        EXPECT_EQ(parsed.has_value(), c.ok) << c.text;
        if (c.ok && parsed) EXPECT_EQ(*parsed, c.binding) << c.text;
    }
    EXPECT_EQ(FormatHotKeyEntry({32787, 116, 0}), "HK_32787_116_0");
}

TEST(HotKeys, LoadReadsTotalEntriesAndSkipsBadOnes) {
    dwtest::MemorySettingsStore store;
    store.SeedInt("Keys", "Total", 3);
    store.Seed("Keys", "0000", "HK_1_65_2");
    store.Seed("Keys", "0001", "junk");
    store.Seed("Keys", "0002", "HK_3_66_0");
    store.Seed("Keys", "0003", "HK_4_67_0");  // beyond Total: not read
    EXPECT_EQ(LoadHotKeys(store), (HotKeyList{{1, 65, 2}, {3, 66, 0}}));
    store.SeedInt("Keys", "Total", -4);
    EXPECT_TRUE(LoadHotKeys(store).empty());

    SaveHotKeys(store, {{7, 70, 1}});
    EXPECT_EQ(store.writes, (std::vector<std::string>{"Keys/0000", "Keys/Total"}));
    EXPECT_EQ(LoadHotKeys(store), (HotKeyList{{7, 70, 1}}));
}

TEST(HotKeys, ModifiersMustAllBeHeldAndAPlainBindingMatchesAny) {
    const HotKeyList list{{10, 'R', kModCtrl | kModAlt}, {11, 'R', 0}, {12, 'T', kModShift},
                          {13, 'U', kModExtended}};
    EXPECT_EQ(FindHotKey(list, 'R', kModCtrl | kModAlt), 10);
    EXPECT_EQ(FindHotKey(list, 'R', kModCtrl | kModAlt | kModShift), 10);
    EXPECT_EQ(FindHotKey(list, 'R', kModCtrl), 11) << "Ctrl alone: the plain binding";
    EXPECT_EQ(FindHotKey(list, 'T', 0), 0);
    EXPECT_EQ(FindHotKey(list, 'T', kModShift), 12);
    EXPECT_EQ(FindHotKey(list, 'U', 0), 13) << "the extended flag is not tested";
    EXPECT_EQ(FindHotKey(list, 'V', kModShift), 0);
    const HotKeyList plainFirst{{20, 'R', 0}, {21, 'R', kModCtrl}};
    EXPECT_EQ(FindHotKey(plainFirst, 'R', kModCtrl), 20);
    EXPECT_EQ(FindHotKey({{30, 0, 0}}, 0, 0), 0);
}

TEST(KeyCodes, QtKeysMapToVirtualKeysAndBack) {
    struct Case {
        int qt;
        Qt::KeyboardModifiers mods;
        int vk;
    };
    const Case cases[] = {
        {Qt::Key_F5, Qt::NoModifier, 116},       {Qt::Key_A, Qt::NoModifier, 65},
        {Qt::Key_7, Qt::NoModifier, 55},         {Qt::Key_7, Qt::KeypadModifier, 103},
        {Qt::Key_Left, Qt::NoModifier, 37},      {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49}, {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9}, {Qt::Key_Shift, Qt::ShiftModifier, 0},
        {Qt::Key_F24, Qt::NoModifier, 135},      {Qt::Key_BracketLeft, Qt::NoModifier, 219},
    };
    for (const Case& c : cases) EXPECT_EQ(VirtualKeyFromQt(c.qt, c.mods), c.vk) << c.qt;
    for (int vk : {116, 65, 55, 37, 46, 219, 135}) {
        EXPECT_EQ(VirtualKeyFromQt(QtKeyFromVirtualKey(vk)), vk) << vk;
    }
    EXPECT_EQ(ModifierFlagsFromQt(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier), 6);
    EXPECT_EQ(ModifierFlagsFromQt(QtModifiersFromFlags(7)), 7);
    EXPECT_EQ(HotKeyText('R', kModCtrl | kModAlt), "Ctrl+Alt+R");
    EXPECT_EQ(HotKeyText(116, 0), "F5");
    EXPECT_EQ(HotKeyText(0, 0), "None");
    EXPECT_EQ(HotKeyText(0, kModShift), "Shift+");
    EXPECT_EQ(HotKeyText(103, kModShift), "Shift+Num 7");
}

}  // namespace
