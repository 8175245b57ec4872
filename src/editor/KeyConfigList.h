#pragma once
// The hot-key dialog's working list: one entry per menu command (in menu order, labelled by
// its menu path) with the key it has in the dialog, and the rules for assigning a key,
// resolving a conflict and saving. Nothing reaches the editor until the dialog's OK.
#include <string>
#include <vector>

#include "editor/CommandTable.h"
#include "runtime/HotKeys.h"

namespace dw {

class IInteraction;

inline constexpr char kAssignedMark[] = " (Assigned)";

struct KeyConfigEntry {
    std::string label;  // the menu path, without the mark
    HotKeyBinding binding;
};

class KeyConfigList {
public:
    // One entry per command, key and modifiers from the first binding of the command.
    KeyConfigList(const std::vector<CommandInfo>& commands, const HotKeyList& current);

    std::size_t Size() const { return entries.size(); }
    const KeyConfigEntry& Entry(std::size_t i) const { return entries.at(i); }
    // The entry's text in the list: the label, with " (Assigned)" when it holds a key.
    std::string Text(std::size_t i) const;

    // Gives entry i the key and modifiers (0 and 0 remove its key). When another entry holds
    // the same key and modifiers the user is asked whether to take it over; No leaves both
    // as they were. Returns whether entry i changed.
    bool Assign(std::size_t i, int key, int modifiers, IInteraction& ui);

    // Every entry's binding in list order, for saving.
    HotKeyList Bindings() const;

private:
    std::vector<KeyConfigEntry> entries;
};

}  // namespace dw
