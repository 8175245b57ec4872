#include "editor/DroppedFiles.h"

#include <memory>

#include "model/ElementFactory.h"
#include "render/ImageFiles.h"

namespace dw {

namespace {

constexpr int kDropLeft = 10;
constexpr int kDropTop = 10;

}  // namespace

std::string DropErrorText(const std::string& path) {
    return "File [" + path +
           "] could not be loaded as an image element.\r\n\r\nThis version of Dialwright "
           "accept only drop of images files.";
}

int DropFiles(EditContext& edit, const std::vector<std::string>& paths) {
    const ElementFactory& factory = ElementFactory::Instance();
    const std::string word(TypeWordOf(ElementKind::Image));
    int added = 0;
    int position = 0;
    for (const std::string& path : paths) {
        ++position;
        QImage picture;
        if (path.size() <= kMaxDroppedName && IsAcceptedImageName(path))
            picture = DecodeImageFile(path);
        if (picture.isNull() || !factory.IsRegistered(word)) {
            edit.ui.ShowMessage(
                {"Drop file error.", DropErrorText(path), Buttons::Ok, Icon::Error, false});
            continue;
        }
        const Rect rect{kDropLeft, kDropTop, kDropLeft + picture.width(),
                        kDropTop + picture.height()};
        std::unique_ptr<CElement> element = factory.Create(word, edit.host.ElementOwner(), rect);
        element->name = "Droped file " + std::to_string(position);
        element->file = path;
        element->EditProperties();
        edit.ToNumbers(*element);
        element->Rebuild();
        edit.RecordUndo(undo::kDrop);
        CElement* appended = edit.doc.elements.Append(std::move(element));
        appended->Invalidate();
        edit.doc.modified = true;
        edit.host.UpdateStatusLine();
        ++added;
    }
    return added;
}

}  // namespace dw
