// Inserting new elements, duplicating the selection and the element properties command.
#include <memory>
#include <vector>

#include "editor/EditCommands.h"
#include "model/ElementFactory.h"

namespace dw {

namespace {

// Copies are placed this far right and down from their source.
constexpr int kDuplicateOffset = 25;

int InsertUndoCode(ElementKind kind) {
    switch (kind) {
        case ElementKind::Image:
            return undo::kInsertImage;
        case ElementKind::Text:
            return undo::kInsertText;
        case ElementKind::Primitive:
            return undo::kInsertBasicGraph;
        case ElementKind::Audio:
            break;
    }
    return 0;  // inserting audio records nothing
}

}  // namespace

Rect NewElementRect(ElementKind kind) {
    switch (kind) {
        case ElementKind::Image:
            return {10, 10, 210, 210};
        case ElementKind::Text:
            return {10, 10, 110, 30};
        case ElementKind::Primitive:
            return {10, 10, 110, 110};
        case ElementKind::Audio:
            return {10, 10, 48, 48};
    }
    return {10, 10, 110, 110};
}

CElement* InsertNewElement(EditContext& edit, ElementKind kind) {
    const ElementFactory& factory = ElementFactory::Instance();
    const std::string word(TypeWordOf(kind));
    if (!factory.IsRegistered(word)) return nullptr;
    if (const int code = InsertUndoCode(kind)) edit.RecordUndo(code);
    std::unique_ptr<CElement> element =
        factory.Create(word, edit.host.ElementOwner(), NewElementRect(kind));
    if (!element) return nullptr;
    // A cancelled dialog still inserts the element with its starting values.
    element->EditProperties();
    edit.ToNumbers(*element);
    CElement* added = edit.doc.elements.Append(std::move(element));
    added->Invalidate();
    edit.doc.modified = true;
    edit.host.UpdateStatusLine();
    return added;
}

void DuplicateSelection(EditContext& edit) {
    edit.RecordUndo(undo::kDuplicate);
    const ElementFactory& factory = ElementFactory::Instance();
    std::vector<std::unique_ptr<CElement>> copies;
    for (CElement& source : edit.doc.elements) {
        if (!source.IsSelected()) continue;
        ElementFactory::LoadResult copy = factory.Load(source.ToXml(), edit.host.ElementOwner());
        source.Deselect();
        if (copy.status != ElementFactory::LoadStatus::Loaded) continue;
        copy.element->MoveBy(kDuplicateOffset, kDuplicateOffset);
        edit.doc.modified = true;
        copies.push_back(std::move(copy.element));
    }
    std::vector<CElement*> added;
    for (std::unique_ptr<CElement>& copy : copies)
        added.push_back(edit.doc.elements.Append(std::move(copy)));
    for (CElement* copy : added) copy->Select(true);
}

void EditElementProperties(EditContext& edit, CElement& element) {
    edit.ToNames(element);
    element.EditProperties();
    edit.ToNumbers(element);
    edit.doc.modified = true;
}

bool EditSelectedProperties(EditContext& edit) {
    CElement* last = nullptr;
    for (CElement& element : edit.doc.elements)
        if (element.IsSelected()) last = &element;
    if (last == nullptr) return false;
    edit.RecordUndo(undo::kProperties);
    EditElementProperties(edit, *last);
    last->Invalidate();
    return true;
}

CElement* PrimaryElement(const ElementList& elements) {
    for (CElement& element : elements)
        if (element.IsPrimary()) return &element;
    return nullptr;
}

int CountSelected(const ElementList& elements, int limit) {
    int count = 0;
    for (CElement& element : elements) {
        if (count >= limit) break;
        if (element.IsSelected()) ++count;
    }
    return count;
}

}  // namespace dw
