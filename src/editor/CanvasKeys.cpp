#include "editor/CanvasKeys.h"

#include <algorithm>

#include "editor/EditCommands.h"
#include "runtime/KeyCodes.h"

namespace dw {

namespace {

// The only selected element, or null when none or more than one is selected.
CElement* SingleSelected(const ElementList& elements) {
    CElement* found = nullptr;
    for (CElement& element : elements) {
        if (!element.IsSelected()) continue;
        if (found != nullptr) return nullptr;
        found = &element;
    }
    return found;
}

CElement* Following(const ElementList& list, CElement* e, bool backwards) {
    CElement* next = backwards ? e->GetPrev() : e->GetNext();
    if (next == nullptr) next = backwards ? list.Last() : list.Head();
    return next;
}

// Keeps keyboard moves and sizes far from integer overflow.
constexpr int kMaxCoordinate = 1 << 24;
constexpr int kMaxSide = 16384;

}  // namespace

void CycleSelection(EditContext& edit, bool backwards, bool overlapping) {
    ElementList& list = edit.doc.elements;
    CElement* selected = SingleSelected(list);
    if (selected == nullptr) return;
    edit.RecordUndo(undo::kSeparate);
    selected->Deselect();
    CElement* chosen = Following(list, selected, backwards);
    if (overlapping) {
        const Point centre = selected->GetCentre();
        while (chosen != selected) {
            const Point other = chosen->GetCentre();
            if (chosen->HitTest(centre.x, centre.y) || selected->HitTest(other.x, other.y)) break;
            chosen = Following(list, chosen, backwards);
        }
    }
    chosen->Select(true);
}

void NudgeSelection(EditContext& edit, int dx, int dy) {
    edit.doc.modified = true;
    for (CElement& element : edit.doc.elements) {
        if (!element.IsSelected()) continue;
        edit.RecordUndo(undo::kMove);
        const Rect& r = element.GetRect();
        if (std::abs(r.left + dx) > kMaxCoordinate || std::abs(r.top + dy) > kMaxCoordinate)
            continue;
        element.MoveBy(dx, dy);
    }
}

void ResizeSelection(EditContext& edit, int dx, int dy) {
    for (CElement& element : edit.doc.elements) {
        if (!element.IsSelected()) continue;
        edit.RecordUndo(undo::kResize);
        element.SetWidth(std::clamp(element.GetWidth() + dx, 1, kMaxSide));
        element.SetHeight(std::clamp(element.GetHeight() + dy, 1, kMaxSide));
        element.Invalidate();
        edit.doc.modified = true;
    }
}

void TurnSelection(EditContext& edit, bool forward) {
    for (CElement& element : edit.doc.elements) {
        if (!element.IsSelected() || element.locked) continue;
        element.SaveRunStart();
        const float turned = static_cast<float>(element.runRotation) + (forward ? 1.0f : -1.0f);
        element.Rotate(turned, element.transparentColor);
        edit.doc.modified = true;
    }
}

bool HandleCanvasKey(EditContext& edit, int virtualKey, bool shift, bool ctrl) {
    switch (virtualKey) {
        case kVkTab:
            CycleSelection(edit, shift, ctrl);
            return true;
        case kVkDelete:
            DeleteSelection(edit);
            edit.host.UpdateMenuStates();
            return true;
        case kVkLeft:
        case kVkUp:
        case kVkRight:
        case kVkDown:
            break;
        default:
            return false;
    }
    const int dx = virtualKey == kVkLeft ? -1 : virtualKey == kVkRight ? 1 : 0;
    const int dy = virtualKey == kVkUp ? -1 : virtualKey == kVkDown ? 1 : 0;
    if (ctrl)
        ResizeSelection(edit, dx, dy);
    else if (shift && dy != 0)
        TurnSelection(edit, virtualKey == kVkUp);
    else
        NudgeSelection(edit, dx, dy);
    return true;
}

}  // namespace dw
