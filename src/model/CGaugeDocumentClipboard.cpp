// CGaugeDocument: Copy, Cut and Paste through the clipboard, fragments and undo snapshots.
#include <new>
#include <vector>

#include "files/GaugeSkeleton.h"
#include "files/GaugeVersion.h"
#include "model/CGaugeDocument.h"
#include "model/GaugeWriter.h"
#include "model/SurfaceBudget.h"

namespace dw {

namespace {

// Pasted elements are moved this far right and down from where they were copied.
constexpr int kPasteOffset = 25;

}  // namespace

void CGaugeDocument::CopySelection() {
    try {
        clipboard.SetText(GaugeDocumentText(GaugeWriter::Fragment(gaugeName, elements)));
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
    }
    host.UpdateMenuStates();
    host.UpdateStatusLine();
}

void CGaugeDocument::CutSelection() {
    CopySelection();
    elements.RemoveIf([this](CElement& element) {
        if (!element.IsSelected()) return false;
        element.Invalidate();
        modified = true;
        return true;
    });
    host.UpdateMenuStates();
    host.UpdateStatusLine();
}

bool CGaugeDocument::ClipboardHasFragment() const {
    return IsGaugeFragmentText(clipboard.Text());
}

bool CGaugeDocument::PasteFragment() {
    if (!ClipboardHasFragment()) return false;
    const std::string text = clipboard.Text();
    host.RecordUndo(kUndoPaste);
    for (CElement& element : elements) element.Deselect();
    host.UpdateMenuStates();
    host.UpdateStatusLine();
    const bool inserted = InsertFragment(text, false);
    host.UpdateMenuStates();
    host.UpdateStatusLine();
    return inserted;
}

bool CGaugeDocument::ReadFragment(const std::string& text, ElementsRead& read, int& elementCount,
                                  ElementList* reuse) {
    XmlResults results;
    const XmlNode root = ParseString(text, kGaugeRootTag, &results);
    if (root.IsEmpty()) return false;
    const std::string version = root.Attribute("version");
    if (IsNewerFormat(version)) {
        ui.ShowMessage(
            {kInvalidFormatTitle, NewerFragmentMessage(version), Buttons::Ok, Icon::Error, false});
        return false;
    }
    elementCount = root.ChildCount(kElementNode);
    read = reuse ? reader.ReadElementsReusing(root, host.ElementOwner(), *reuse)
                 : reader.ReadElements(root, host.ElementOwner());
    return read.Ok();
}

bool CGaugeDocument::InsertFragmentText(const std::string& text, bool restoringUndo) {
    ElementsRead read;
    int count = 0;
    if (!ReadFragment(text, read, count)) return false;

    std::vector<CElement*> added;
    for (CElement& element : read.elements) added.push_back(&element);
    if (count > 1) ++groupCounter;
    if (!restoringUndo) {
        for (CElement* element : added) {
            element->MoveBy(kPasteOffset, kPasteOffset);
            if (count > 1) element->SetGroup(groupCounter);
        }
    }
    elements.AppendList(std::move(read.elements));
    // Selected once in the gauge's list, so that the primary role is decided over all of it.
    if (!restoringUndo)
        for (CElement* element : added) element->Select(true);
    modified = true;
    host.Repaint();
    host.UpdateMenuStates();
    host.UpdateStatusLine();
    return true;
}

std::string CGaugeDocument::SnapshotText() const {
    // A snapshot that can't be made is empty: restoring it changes nothing.
    try {
        return GaugeDocumentText(GaugeWriter::Snapshot(elements));
    } catch (const std::bad_alloc&) {
        return std::string();
    }
}

bool CGaugeDocument::RestoreSnapshotText(const std::string& text) {
    ElementsRead read;
    int count = 0;
    // The elements the snapshot holds unchanged are kept rather than built and drawn again.
    if (!ReadFragment(text, read, count, &elements)) return false;
    if (count > 1) ++groupCounter;
    elements = std::move(read.elements);
    modified = true;
    host.Repaint();
    host.UpdateMenuStates();
    host.UpdateStatusLine();
    return true;
}

}  // namespace dw
