// Aligning and sizing the selection on the primary element.
#include "editor/EditCommands.h"

namespace dw {

namespace {

int AlignCode(AlignMode mode) {
    switch (mode) {
        case AlignMode::Top:
            return undo::kAlignTop;
        case AlignMode::Left:
            return undo::kAlignLeft;
        case AlignMode::Right:
            return undo::kAlignRight;
        case AlignMode::Bottom:
            return undo::kAlignBottom;
        case AlignMode::Center:
            return undo::kAlignCenter;
        case AlignMode::Vertical:
            return undo::kAlignVertical;
        case AlignMode::Horizontal:
            return undo::kAlignHorizontal;
    }
    return undo::kAlignTop;
}

void AlignOne(CElement& element, const Rect& reference, Point referenceCentre, AlignMode mode) {
    const Rect& r = element.GetRect();
    switch (mode) {
        case AlignMode::Top:
            element.MoveBy(0, reference.top - r.top);
            break;
        case AlignMode::Left:
            element.MoveBy(reference.left - r.left, 0);
            break;
        case AlignMode::Right:
            element.MoveBy(reference.right - r.right, 0);
            break;
        case AlignMode::Bottom:
            element.MoveBy(0, reference.bottom - r.bottom);
            break;
        case AlignMode::Center:
            element.MoveCentreTo(referenceCentre.x, referenceCentre.y);
            break;
        case AlignMode::Vertical:
            element.MoveCentreTo(referenceCentre.x, element.GetCentre().y);
            break;
        case AlignMode::Horizontal:
            element.MoveCentreTo(element.GetCentre().x, referenceCentre.y);
            break;
    }
}

// One pass of a size command over the selection.
void SizePass(EditContext& edit, const CElement& reference, bool width) {
    const int code = width ? undo::kSameWidth : undo::kSameHeight;
    for (CElement& element : edit.doc.elements) {
        if (!element.IsSelected()) continue;
        edit.RecordUndo(code);
        if (width)
            element.SetWidth(reference.GetWidth());
        else
            element.SetHeight(reference.GetHeight());
    }
}

}  // namespace

void AlignSelection(EditContext& edit, AlignMode mode) {
    const CElement* reference = PrimaryElement(edit.doc.elements);
    if (reference == nullptr) return;
    const Rect r = reference->GetRect();
    const Point centre = reference->GetCentre();
    for (CElement& element : edit.doc.elements) {
        if (!element.IsSelected() || &element == reference) continue;
        edit.RecordUndo(AlignCode(mode));
        AlignOne(element, r, centre, mode);
    }
    edit.doc.modified = true;
}

void SizeSelection(EditContext& edit, SizeMode mode) {
    const CElement* reference = PrimaryElement(edit.doc.elements);
    if (reference == nullptr) return;
    if (mode == SizeMode::Height || mode == SizeMode::WidthAndHeight)
        SizePass(edit, *reference, false);
    if (mode == SizeMode::Width || mode == SizeMode::WidthAndHeight)
        SizePass(edit, *reference, true);
    edit.doc.modified = true;
}

}  // namespace dw
