#pragma once
// Hot keys: menu commands bound to a key with optional modifiers, kept in the settings store
// (section "Keys": "Total" entries under "0000", "0001", ..., each "HK_<command>_<key>_<mods>")
// and matched against the keys the editor window does not use itself.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dw {

class ISettingsStore;

struct HotKeyBinding {
    std::int32_t command = 0;    // menu command number
    std::int32_t key = 0;        // virtual-key code; 0 = no key
    std::int32_t modifiers = 0;  // 1 Shift, 2 Ctrl, 4 Alt (8 is kept but not tested)

    friend bool operator==(const HotKeyBinding&, const HotKeyBinding&) = default;
};

// In the order read from the store.
using HotKeyList = std::vector<HotKeyBinding>;

// Entries beyond this many are not read: "Total" comes from a file the user may edit.
inline constexpr std::int32_t kMaxHotKeyEntries = 10000;

// "HK_%d_%d_%d" with command, key and modifiers.
std::string FormatHotKeyEntry(const HotKeyBinding& binding);
// The binding of an entry that holds "HK_" and three decimal numbers separated by "_";
// nothing for any other text.
std::optional<HotKeyBinding> ParseHotKeyEntry(const std::string& text);

// Reads "Total" (0 when absent, bounded by kMaxHotKeyEntries) and the entries; entries that
// do not parse are skipped.
HotKeyList LoadHotKeys(const ISettingsStore& store);
// Writes one entry per binding in order, then "Total".
void SaveHotKeys(ISettingsStore& store, const HotKeyList& bindings);

// The command of the first binding whose key is `key` and whose modifiers are 0 or all held
// (Shift, Ctrl and Alt of `heldFlags`); 0 when none matches. A binding without modifiers
// matches whatever is held, so an earlier plain binding wins over a later one with modifiers.
std::int32_t FindHotKey(const HotKeyList& bindings, int key, int heldFlags);

// The first binding of a command, or nothing.
std::optional<HotKeyBinding> BindingOf(const HotKeyList& bindings, std::int32_t command);

}  // namespace dw
