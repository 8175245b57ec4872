// Deleting, grouping, ordering, locking and selecting all.
#include "editor/EditCommands.h"

namespace dw {

bool DeleteSelection(EditContext& edit) {
    if (PrimaryElement(edit.doc.elements) == nullptr) return false;
    const Answer answer = edit.ui.ShowMessage(
        {"Delete components", "Are you sure you want delete the seleted components?",
         Buttons::YesNo, Icon::Question, false});
    if (answer != Answer::Yes) return false;
    edit.doc.elements.RemoveIf([&edit](CElement& element) {
        if (!element.IsSelected()) return false;
        edit.RecordUndo(undo::kDelete);
        element.Invalidate();
        edit.doc.modified = true;
        return true;
    });
    return true;
}

void GroupSelection(EditContext& edit) {
    CGaugeDocument& doc = edit.doc;
    ++doc.groupCounter;
    bool anyLocked = false;
    for (CElement& element : doc.elements)
        if (element.IsSelected() && element.locked) anyLocked = true;
    for (CElement& element : doc.elements) {
        edit.RecordUndo(undo::kGroup);
        if (!element.IsSelected()) continue;
        element.SetGroup(doc.groupCounter);
        if (anyLocked) {
            element.locked = true;
            element.Invalidate();
        }
    }
    doc.modified = true;
}

void UngroupSelection(EditContext& edit) {
    for (CElement& element : edit.doc.elements) {
        edit.RecordUndo(undo::kUngroup);
        if (element.IsSelected()) element.SetGroup(0);
    }
    edit.doc.modified = true;
}

void BringSelectionToFront(EditContext& edit) {
    ElementList& list = edit.doc.elements;
    // Each selected element moves to the end once; the walk stops at the first element it
    // moved, which by then follows every element that was not moved.
    CElement* firstMoved = nullptr;
    for (CElement* element = list.Head(); element != nullptr && element != firstMoved;) {
        CElement* following = element->GetNext();
        if (element->IsSelected()) {
            edit.RecordUndo(undo::kFront);
            if (firstMoved == nullptr) firstMoved = element;
            list.BringToFront(element);
        }
        element = following;
    }
    edit.doc.modified = true;
}

void SendSelectionToBack(EditContext& edit) {
    ElementList& list = edit.doc.elements;
    CElement* firstMoved = nullptr;
    for (CElement* element = list.Last(); element != nullptr && element != firstMoved;) {
        CElement* preceding = element->GetPrev();
        if (element->IsSelected()) {
            edit.RecordUndo(undo::kBack);
            if (firstMoved == nullptr) firstMoved = element;
            list.SendToBack(element);
        }
        element = preceding;
    }
    edit.doc.modified = true;
}

void ToggleLocked(EditContext& edit) {
    bool anyLocked = false;
    for (CElement& element : edit.doc.elements)
        if (element.IsSelected() && element.locked) anyLocked = true;
    for (CElement& element : edit.doc.elements) {
        if (!element.IsSelected()) continue;
        edit.RecordUndo(undo::kLocked);
        element.locked = !anyLocked;
        element.Invalidate();
    }
    edit.doc.modified = true;
}

void SelectAll(EditContext& edit) {
    for (CElement& element : edit.doc.elements) element.Select(true);
}

}  // namespace dw
