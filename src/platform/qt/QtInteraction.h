#pragma once
// IInteraction on Qt Widgets: QMessageBox, QFileDialog, QColorDialog and QFontDialog, each
// modal to the parent window. Needs a QApplication.
#include <QPointer>
#include <QWidget>

#include "platform/Interaction.h"

namespace dw {

class QtInteraction : public IInteraction {
public:
    explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}

    // The window that owns the dialogs (none: they are top-level).
    void SetParent(QWidget* parent) { parent_ = parent; }
    QWidget* Parent() const { return parent_; }

    Answer ShowMessage(const MessageRequest& request) override;
    std::optional<std::string> ChooseFile(const FileRequest& request) override;
    std::optional<Colour> ChooseColour(Colour initial, CustomColours& custom) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& initialFolder) override;
    // QDesktopServices: paths become file URLs, texts with a scheme are opened as they are.
    bool OpenWithDesktop(const std::string& target) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace dw
