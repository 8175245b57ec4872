// CDialwrightDlg: what the canvas reports (keys, double clicks, the context menu, the wheel,
// dropped files, pointer moves).
#include <QMenu>

#include "editor/CDialwrightDlg.h"
#include "editor/CanvasKeys.h"
#include "editor/CommandIds.h"
#include "editor/DroppedFiles.h"
#include "runtime/KeyCodes.h"

namespace dw {

void CDialwrightDlg::CanvasKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const int key = VirtualKeyFromQt(qtKey, modifiers);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier) || qtKey == Qt::Key_Backtab;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    EditContext edit = Edit();
    if (HandleCanvasKey(edit, key, shift, ctrl)) {
        UpdateMenuStates();
    } else if (const int command = FindHotKey(hotKeys, key, ModifierFlagsFromQt(modifiers))) {
        ExecuteCommand(command);
        if (closing) return;
    }
    document.TellSurfacesDrawnEmpty();
    UpdateStatusLine();
}

void CDialwrightDlg::CanvasDoubleClick() {
    ExecuteCommand(cmd::kElementProperties);
    UpdateStatusLine();
}

void CDialwrightDlg::CanvasContextMenu(const QPoint& globalPos) {
    UpdateMenuStates();
    editMenu->exec(globalPos);
    UpdateStatusLine();
}

void CDialwrightDlg::CanvasWheel(bool forward) {
    EditContext edit = Edit();
    TurnSelection(edit, forward);
    document.TellSurfacesDrawnEmpty();
    UpdateStatusLine();
}

void CDialwrightDlg::CanvasDrop(const std::vector<std::string>& paths) {
    EditContext edit = Edit();
    DropFiles(edit, paths);
    document.TellSurfacesDrawnEmpty();
    UpdateMenuStates();
    UpdateStatusLine();
}

void CDialwrightDlg::CanvasPointerChanged() {
    // A resize by the mouse is told once the button is up.
    if (mouse.GetState() == CanvasMouse::State::Idle) document.TellSurfacesDrawnEmpty();
    UpdateStatusLine();
}

}  // namespace dw
