#pragma once
// The one table of the editor window's commands: number, menu path, label, when the command
// is enabled and when it is ticked. The menu bar, the context menu, the menu states, hot-key
// matching and the hot-key dialog's list are all built from it.
#include <string>
#include <vector>

namespace dw {

enum class EnableRule {
    Always,
    OneOrMore,          // one or more elements selected
    TwoOrMore,          // two or more selected
    ExactlyOne,         // exactly one selected
    CanUndo,            // an Undo step is available
    CanRedo,            // a Redo step is available
    ClipboardFragment,  // the clipboard holds a gauge fragment
    HasElements,        // the gauge has elements
    Run,                // the gauge has elements and a player is available
    Dialogs,            // the gauge and configuration dialogs are available
    Import,             // the import of flight-simulator gauges is available
};

enum class TickRule { Never, Locked };

struct CommandInfo {
    int id = 0;
    // The menus leading to the command, from the menu bar down ({"Edit", "Elements"}); empty
    // for a command placed on the menu bar itself (Run).
    std::vector<std::string> menus;
    // The label as the menu shows it ("&&" shows one "&").
    std::string label;
    EnableRule enable = EnableRule::Always;
    TickRule tick = TickRule::Never;
    bool separatorBefore = false;  // a separator line above the item
};

// Every command in menu order (menus appear in the order of their first command).
const std::vector<CommandInfo>& Commands();
// The command of that number, or null.
const CommandInfo* FindCommand(int id);

// The enable rule of a sub-menu in the Elements menu ("Send to", "Align", "Size"); Always
// for other menus.
EnableRule SubMenuRule(const std::vector<std::string>& menus);

// The facts the enable and tick rules read.
struct MenuState {
    int selected = 0;  // 0, 1 or 2 (two or more)
    bool lockedAmongFirstTwo = false;
    bool canUndo = false;
    bool canRedo = false;
    bool clipboardFragment = false;
    bool hasElements = false;
    bool hasRunner = false;
    bool hasDialogs = false;
    bool hasImport = false;
};
bool IsEnabled(EnableRule rule, const MenuState& state);
bool IsTicked(TickRule rule, const MenuState& state);

// The label without "&&" doubling, as the user reads it.
std::string DisplayLabel(const std::string& label);
// The hot-key dialog's path of a command: "\Gauge\Save", "\Edit\Elements\Insert\an image".
std::string MenuPathLabel(const CommandInfo& command);

}  // namespace dw
