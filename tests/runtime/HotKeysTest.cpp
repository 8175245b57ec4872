// Hot-key entries, matching and the key mapping (the editor tests load bindings from the
// store, fire them and write them back from the dialog).
#include <gtest/gtest.h>

#include "platform/SettingsKeys.h"
#include "runtime/HotKeys.h"
#include "runtime/KeyCodes.h"
#include "support/MemorySettingsStore.h"

namespace {

using namespace dw;

TEST(HotKeyEntry, ParsesOnlyThreeNumbers) {
    EXPECT_EQ(ParseHotKeyEntry("HK_1_2_-3"), (HotKeyBinding{1, 2, -3}));
    for (const char* text :
         {"HK_32787_116", "HK_32787_116_0_9", "HK_32787_x_0", "HK_99999999999_1_1"})
        EXPECT_FALSE(ParseHotKeyEntry(text).has_value()) << text;
    EXPECT_EQ(FormatHotKeyEntry({32787, 116, 0}), "HK_32787_116_0");
}

TEST(HotKeys, TheFirstBindingWhoseModifiersAreAllHeldWins) {
    const HotKeyList list{{10, 'R', kModCtrl | kModAlt}, {11, 'R', 0}, {13, 'U', kModExtended}};
    EXPECT_EQ(FindHotKey(list, 'R', kModCtrl | kModAlt | kModShift), 10);
    EXPECT_EQ(FindHotKey(list, 'R', kModCtrl), 11) << "Ctrl alone: the plain binding";
    EXPECT_EQ(FindHotKey(list, 'U', 0), 13) << "the extended flag is not tested";
    EXPECT_EQ(FindHotKey({{30, 0, 0}}, 0, 0), 0);
}

// A damaged store: a negative or huge "Total" and unreadable entries load what can be read,
// with a bounded number of reads.
TEST(HotKeys, LoadFromADamagedStore) {
    for (const char* total : {"-4", "2000000000", "abc"}) {
        dwtest::MemorySettingsStore store;
        store.Seed(settings::kKeys, settings::kTotal, total);
        store.Seed(settings::kKeys, settings::HotKeyEntryKey(0), "HK_32787_116_0");
        store.Seed(settings::kKeys, settings::HotKeyEntryKey(1), "HK_32787_F5_0");
        store.Seed(settings::kKeys, settings::HotKeyEntryKey(2), "HK_1_2_3");
        const HotKeyList list = LoadHotKeys(store);
        if (total[0] == '2') {
            EXPECT_EQ(list, (HotKeyList{{32787, 116, 0}, {1, 2, 3}}));
            EXPECT_LE(store.reads.size(), std::size_t(kMaxHotKeyEntries) + 1);
        } else {
            EXPECT_TRUE(list.empty()) << total;
        }
    }
}

TEST(KeyCodes, QtKeysMapToVirtualKeysAndBack) {
    struct Case {
        int qt;
        Qt::KeyboardModifiers mods;
        int vk;
    };
    const Case cases[] = {
        {Qt::Key_F5, Qt::NoModifier, 116},          {Qt::Key_7, Qt::NoModifier, 55},
        {Qt::Key_7, Qt::KeypadModifier, 103},       {Qt::Key_Exclam, Qt::ShiftModifier, 49},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},    {Qt::Key_Shift, Qt::ShiftModifier, 0},
        {Qt::Key_BracketLeft, Qt::NoModifier, 219},
    };
    for (const Case& c : cases) EXPECT_EQ(VirtualKeyFromQt(c.qt, c.mods), c.vk) << c.qt;
    for (int vk : {116, 65, 37, 219, 135}) EXPECT_EQ(VirtualKeyFromQt(QtKeyFromVirtualKey(vk)), vk);
    EXPECT_EQ(ModifierFlagsFromQt(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier), 6);
    EXPECT_EQ(ModifierFlagsFromQt(QtModifiersFromFlags(7)), 7);
    EXPECT_EQ(HotKeyText(0, 0), "None");
    EXPECT_EQ(HotKeyText(103, kModShift), "Shift+Num 7");
}

}  // namespace
