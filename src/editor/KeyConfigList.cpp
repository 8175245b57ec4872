#include "editor/KeyConfigList.h"

#include "platform/Interaction.h"

namespace dw {

KeyConfigList::KeyConfigList(const std::vector<CommandInfo>& commands, const HotKeyList& current) {
    for (const CommandInfo& command : commands) {
        const std::string label = MenuPathLabel(command);
        if (label.empty() || label.back() == '\\') continue;
        KeyConfigEntry entry{label, {command.id, 0, 0}};
        if (const auto bound = BindingOf(current, command.id)) {
            entry.binding.key = bound->key;
            entry.binding.modifiers = bound->modifiers;
        }
        entries.push_back(entry);
    }
}

std::string KeyConfigList::Text(std::size_t i) const {
    const KeyConfigEntry& entry = entries.at(i);
    return entry.binding.key != 0 ? entry.label + kAssignedMark : entry.label;
}

bool KeyConfigList::Assign(std::size_t i, int key, int modifiers, IInteraction& ui) {
    KeyConfigEntry& entry = entries.at(i);
    if (key == 0 && modifiers == 0) {
        const bool changed = entry.binding.key != 0 || entry.binding.modifiers != 0;
        entry.binding.key = 0;
        entry.binding.modifiers = 0;
        return changed;
    }
    for (std::size_t j = 0; j < entries.size(); ++j) {
        KeyConfigEntry& other = entries[j];
        if (j == i || other.binding.key != key || other.binding.modifiers != modifiers) continue;
        const Answer answer = ui.ShowMessage({"Change HotKey assignement",
                                              "The HotKey you are trying assign to [" +
                                                  entry.label + "],\r\n is actually in use by [" +
                                                  other.label + "].\r\nDo you want replace?",
                                              Buttons::YesNo, Icon::Question, false});
        if (answer != Answer::Yes) return false;
        other.binding.key = 0;
        other.binding.modifiers = 0;
        break;
    }
    const bool changed = entry.binding.key != key || entry.binding.modifiers != modifiers;
    entry.binding.key = key;
    entry.binding.modifiers = modifiers;
    return changed;
}

HotKeyList KeyConfigList::Bindings() const {
    HotKeyList list;
    for (const KeyConfigEntry& entry : entries) list.push_back(entry.binding);
    return list;
}

}  // namespace dw
