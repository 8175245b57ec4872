#include "editor/CommandTable.h"

#include "editor/CommandIds.h"

namespace dw {

namespace {

using R = EnableRule;

std::vector<CommandInfo> BuildTable() {
    const std::vector<std::string> gauge{"Gauge"};
    const std::vector<std::string> edit{"Edit"};
    const std::vector<std::string> elements{"Edit", "Elements"};
    const std::vector<std::string> insert{"Edit", "Elements", "Insert"};
    const std::vector<std::string> sendTo{"Edit", "Elements", "Send to"};
    const std::vector<std::string> align{"Edit", "Elements", "Align"};
    const std::vector<std::string> size{"Edit", "Elements", "Size"};
    const std::vector<std::string> config{"Config"};
    const std::vector<std::string> help{"Help"};
    return {
        {cmd::kNew, gauge, "New"},
        {cmd::kOpen, gauge, "Open"},
        {cmd::kSave, gauge, "Save"},
        {cmd::kSaveAs, gauge, "Save as..."},
        {cmd::kImportFs, gauge, "Import from FS", R::Import, TickRule::Never, true},
        {cmd::kGaugeProperties, gauge, "Properties", R::Dialogs, TickRule::Never, true},
        {cmd::kExit, gauge, "Exit", R::Always, TickRule::Never, true},

        {cmd::kUndo, edit, "Undo", R::CanUndo},
        {cmd::kRedo, edit, "Redo", R::CanRedo},
        {cmd::kCut, edit, "Cut", R::OneOrMore, TickRule::Never, true},
        {cmd::kCopy, edit, "Copy", R::OneOrMore},
        {cmd::kPaste, edit, "Paste", R::ClipboardFragment},
        {cmd::kSelectAll, edit, "Select All", R::HasElements, TickRule::Never, true},

        {cmd::kInsertImage, insert, "an image"},
        {cmd::kInsertText, insert, "a text"},
        {cmd::kInsertBasicGraph, insert, "a basic graph"},
        {cmd::kInsertAudio, insert, "an audio"},
        {cmd::kInsertGauge, insert, "a saved gauge", R::Always, TickRule::Never, true},
        {cmd::kDuplicate, elements, "Duplicate", R::OneOrMore, TickRule::Never, true},
        {cmd::kDelete, elements, "Delete", R::OneOrMore},
        {cmd::kGroup, elements, "Group", R::TwoOrMore, TickRule::Never, true},
        {cmd::kUngroup, elements, "UnGroup", R::TwoOrMore},
        {cmd::kFront, sendTo, "Front", R::OneOrMore},
        {cmd::kBack, sendTo, "Back", R::OneOrMore},
        {cmd::kAlignTop, align, "Top", R::TwoOrMore},
        {cmd::kAlignLeft, align, "Left", R::TwoOrMore},
        {cmd::kAlignRight, align, "Right", R::TwoOrMore},
        {cmd::kAlignBottom, align, "Bottom", R::TwoOrMore},
        {cmd::kAlignVertical, align, "Vertical", R::TwoOrMore, TickRule::Never, true},
        {cmd::kAlignHorizontal, align, "Horizontal", R::TwoOrMore},
        {cmd::kAlignCenter, align, "Center", R::TwoOrMore},
        {cmd::kSameWidth, size, "Same width", R::TwoOrMore},
        {cmd::kSameHeight, size, "Same height", R::TwoOrMore},
        {cmd::kSameWidthHeight, size, "Same width && height", R::TwoOrMore},
        {cmd::kLocked, elements, "Locked", R::OneOrMore, TickRule::Locked, true},
        {cmd::kElementProperties, elements, "Properties", R::ExactlyOne, TickRule::Never, true},

        {cmd::kRun, {}, "Run", R::Run},

        {cmd::kClientsConfig, config, "ZEKO Clients Config", R::Dialogs},
        {cmd::kPathsConfig, config, "Paths Config", R::Dialogs},
        {cmd::kHotKeysConfig, config, "Hot Keys Config"},

        {cmd::kHelpIndex, help, "Index"},
        {cmd::kHelpWeb, help, "On the WEB..."},
        {cmd::kAbout, help, "About DW", R::Always, TickRule::Never, true},
    };
}

}  // namespace

const std::vector<CommandInfo>& Commands() {
    static const std::vector<CommandInfo> table = BuildTable();
    return table;
}

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& command : Commands())
        if (command.id == id) return &command;
    return nullptr;
}

EnableRule SubMenuRule(const std::vector<std::string>& menus) {
    if (menus.size() != 3 || menus[0] != "Edit" || menus[1] != "Elements") return R::Always;
    if (menus[2] == "Send to") return R::OneOrMore;
    if (menus[2] == "Align" || menus[2] == "Size") return R::TwoOrMore;
    return R::Always;
}

bool IsEnabled(EnableRule rule, const MenuState& state) {
    switch (rule) {
        case R::Always:
            return true;
        case R::OneOrMore:
            return state.selected >= 1;
        case R::TwoOrMore:
            return state.selected >= 2;
        case R::ExactlyOne:
            return state.selected == 1;
        case R::CanUndo:
            return state.canUndo;
        case R::CanRedo:
            return state.canRedo;
        case R::ClipboardFragment:
            return state.clipboardFragment;
        case R::HasElements:
            return state.hasElements;
        case R::Run:
            return state.hasElements && state.hasRunner;
        case R::Dialogs:
            return state.hasDialogs;
        case R::Import:
            return state.hasImport;
    }
    return false;
}

bool IsTicked(TickRule rule, const MenuState& state) {
    return rule == TickRule::Locked && state.selected >= 1 && state.lockedAmongFirstTwo;
}

std::string DisplayLabel(const std::string& label) {
    std::string out;
    for (std::size_t i = 0; i < label.size(); ++i) {
        out += label[i];
        if (label[i] == '&' && i + 1 < label.size() && label[i + 1] == '&') ++i;
    }
    return out;
}

std::string MenuPathLabel(const CommandInfo& command) {
    std::string path;
    for (const std::string& menu : command.menus) path += "\\" + menu;
    return path + "\\" + DisplayLabel(command.label);
}

}  // namespace dw
