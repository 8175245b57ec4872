// CDialwrightDlg: the menu bar and the command dispatch, both built from the command table.
#include <QMenuBar>

#include "editor/CDialwrightDlg.h"
#include "editor/CanvasKeys.h"
#include "editor/CommandIds.h"
#include "editor/EditCommands.h"
#include "platform/qt/QtText.h"
#include "runtime/KeyCodes.h"

namespace dw {

namespace {

std::string MenuKey(const std::vector<std::string>& path, std::size_t depth) {
    std::string key;
    for (std::size_t i = 0; i < depth; ++i) key += (i ? "/" : "") + path[i];
    return key;
}

}  // namespace

void CDialwrightDlg::BuildMenus() {
    for (const CommandInfo& command : Commands()) {
        // The menu chain of the command, created on first use.
        QMenu* menu = nullptr;
        for (std::size_t depth = 1; depth <= command.menus.size(); ++depth) {
            const std::string key = MenuKey(command.menus, depth);
            QMenu*& found = menus[key];
            if (found == nullptr) {
                const QString title = qt::FromLatin1(command.menus[depth - 1]);
                found = menu ? menu->addMenu(title) : menuBar()->addMenu(title);
                found->setObjectName(qt::FromLatin1("menu:" + key));
            }
            menu = found;
        }
        if (menu && command.separatorBefore && !menu->isEmpty()) menu->addSeparator();
        QAction* action = new QAction(qt::FromLatin1(command.label), this);
        action->setData(command.id);
        action->setCheckable(command.tick != TickRule::Never);
        action->setObjectName(QStringLiteral("command:%1").arg(command.id));
        connect(action, &QAction::triggered, this, [this, id = command.id] { ExecuteCommand(id); });
        if (menu)
            menu->addAction(action);
        else
            menuBar()->addAction(action);
        actions[command.id] = action;
    }
    editMenu = menus["Edit"];
}

void CDialwrightDlg::ShowHotKeysInMenus() {
    // The bound key shows beside the label; the window itself matches the keys.
    for (const CommandInfo& command : Commands()) {
        QString text = qt::FromLatin1(command.label);
        const auto binding = BindingOf(hotKeys, command.id);
        if (binding && binding->key != 0)
            text +=
                QLatin1Char('\t') + qt::FromLatin1(HotKeyText(binding->key, binding->modifiers));
        actions[command.id]->setText(text);
    }
}

MenuState CDialwrightDlg::CurrentMenuState(bool withClipboard) const {
    MenuState state;
    for (const CElement& element : document.elements) {
        if (!element.IsSelected()) continue;
        if (element.locked) state.lockedAmongFirstTwo = true;
        if (++state.selected == 2) break;
    }
    state.canUndo = undo.CanUndo();
    state.canRedo = undo.CanRedo();
    // Reading the system clipboard may wait for another program: only when it matters.
    state.clipboardFragment = withClipboard && document.ClipboardHasFragment();
    state.hasElements = !document.elements.Empty();
    state.hasRunner = static_cast<bool>(services.runPlayer);
    state.hasDialogs = services.dialogs != nullptr;
    state.hasImport = static_cast<bool>(services.importFsGauge);
    return state;
}

void CDialwrightDlg::UpdateMenuStates() {
    const MenuState state = CurrentMenuState();
    for (const CommandInfo& command : Commands()) {
        QAction* action = actions[command.id];
        action->setEnabled(IsEnabled(command.enable, state));
        if (action->isCheckable()) action->setChecked(IsTicked(command.tick, state));
    }
    for (const auto& [key, menu] : menus) {
        std::vector<std::string> path;
        std::size_t start = 0;
        for (std::size_t slash; (slash = key.find('/', start)) != std::string::npos;
             start = slash + 1)
            path.push_back(key.substr(start, slash - start));
        path.push_back(key.substr(start));
        menu->menuAction()->setEnabled(IsEnabled(SubMenuRule(path), state));
    }
}

bool CDialwrightDlg::IsCommandEnabled(int id) const {
    const CommandInfo* command = FindCommand(id);
    return command != nullptr &&
           IsEnabled(command->enable,
                     CurrentMenuState(command->enable == EnableRule::ClipboardFragment));
}

QAction* CDialwrightDlg::Action(int id) const {
    const auto found = actions.find(id);
    return found == actions.end() ? nullptr : found->second;
}

bool CDialwrightDlg::ExecuteCommand(int id) {
    const auto handler = handlers.find(id);
    if (handler == handlers.end() || !IsCommandEnabled(id)) return false;
    handler->second();
    if (closing) return true;
    document.TellSurfacesDrawnEmpty();
    UpdateMenuStates();
    UpdateStatusLine();
    // Keys go to the canvas again after a dialog or a menu.
    if (isVisible() && !canvas->hasFocus()) canvas->setFocus();
    return true;
}

void CDialwrightDlg::BindCommands() {
    const auto edit = [this](auto command) {
        return [this, command] {
            EditContext context = Edit();
            command(context);
        };
    };
    const auto insert = [edit](ElementKind kind) {
        return edit([kind](EditContext& e) { InsertNewElement(e, kind); });
    };
    const auto align = [edit](AlignMode mode) {
        return edit([mode](EditContext& e) { AlignSelection(e, mode); });
    };
    const auto size = [edit](SizeMode mode) {
        return edit([mode](EditContext& e) { SizeSelection(e, mode); });
    };
    handlers = {
        {cmd::kNew, [this] { document.NewGauge(); }},
        {cmd::kOpen, [this] { document.OpenGauge(); }},
        {cmd::kSave, [this] { document.SaveGauge(); }},
        {cmd::kSaveAs, [this] { document.SaveGaugeAs(); }},
        {cmd::kImportFs, [this] { ImportFsGauge(); }},
        {cmd::kGaugeProperties, [this] { RunGaugeProperties(); }},
        {cmd::kExit, [this] { close(); }},
        {cmd::kUndo, [this] { UndoStep(); }},
        {cmd::kRedo, [this] { RedoStep(); }},
        {cmd::kCut, [this] { document.CutSelection(); }},
        {cmd::kCopy, [this] { document.CopySelection(); }},
        {cmd::kPaste, [this] { document.PasteFragment(); }},
        {cmd::kSelectAll, edit(SelectAll)},
        {cmd::kInsertImage, insert(ElementKind::Image)},
        {cmd::kInsertText, insert(ElementKind::Text)},
        {cmd::kInsertBasicGraph, insert(ElementKind::Primitive)},
        {cmd::kInsertAudio, insert(ElementKind::Audio)},
        {cmd::kInsertGauge, [this] { document.InsertGauge(); }},
        {cmd::kDuplicate, edit(DuplicateSelection)},
        {cmd::kDelete, edit(DeleteSelection)},
        {cmd::kGroup, edit(GroupSelection)},
        {cmd::kUngroup, edit(UngroupSelection)},
        {cmd::kFront, edit(BringSelectionToFront)},
        {cmd::kBack, edit(SendSelectionToBack)},
        {cmd::kAlignTop, align(AlignMode::Top)},
        {cmd::kAlignLeft, align(AlignMode::Left)},
        {cmd::kAlignRight, align(AlignMode::Right)},
        {cmd::kAlignBottom, align(AlignMode::Bottom)},
        {cmd::kAlignVertical, align(AlignMode::Vertical)},
        {cmd::kAlignHorizontal, align(AlignMode::Horizontal)},
        {cmd::kAlignCenter, align(AlignMode::Center)},
        {cmd::kSameWidth, size(SizeMode::Width)},
        {cmd::kSameHeight, size(SizeMode::Height)},
        {cmd::kSameWidthHeight, size(SizeMode::WidthAndHeight)},
        {cmd::kLocked, edit(ToggleLocked)},
        {cmd::kElementProperties, edit(EditSelectedProperties)},
        {cmd::kRun, [this] { RunGauge(); }},
        {cmd::kClientsConfig, [this] { ConfigureServerLinks(); }},
        {cmd::kPathsConfig, [this] { services.dialogs->ConfigurePaths(); }},
        {cmd::kHotKeysConfig, [this] { ConfigureHotKeys(); }},
        {cmd::kHelpIndex, [this] { OpenHelpIndex(); }},
        {cmd::kHelpWeb, [this] { OpenWebPage(); }},
        {cmd::kAbout, [this] { ShowAbout(); }},
    };
}

}  // namespace dw
