#include "platform/qt/QtInteraction.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QUrl>

#include "platform/qt/QtFileFilter.h"
#include "platform/qt/QtFontMapping.h"
#include "platform/qt/QtMessageMapping.h"
#include "platform/qt/QtText.h"

namespace dw {

using namespace qt;

Answer QtInteraction::ShowMessage(const MessageRequest& request) {
    QMessageBox box(ToMessageIcon(request.icon), FromLatin1(request.title),
                    MessageText(request.text), ToStandardButtons(request.buttons), parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(DefaultButton(request.buttons));
    if (request.topmost) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return ToAnswer(box.exec(), request.buttons);
}

std::optional<std::string> QtInteraction::ChooseFile(const FileRequest& request) {
    QFileDialog dialog(parent_, FromLatin1(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!request.save && request.mustExist ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
    if (request.save && !request.overwritePrompt) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    const QStringList filters = ToQtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    std::string extension = request.defaultExtension;
    while (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
    if (!extension.empty()) dialog.setDefaultSuffix(FromLatin1(extension));

    if (!request.initialName.empty()) {
        const QFileInfo initial(PathFromBytes(request.initialName));
        const QString name = initial.fileName();
        if (initial.path() != QStringLiteral(".") || initial.isDir()) {
            dialog.setDirectory(initial.isDir() ? initial.absoluteFilePath()
                                                : initial.absolutePath());
        }
        // A wildcard name ("*.xml") only says which files to show, which the filters do.
        const bool wildcard = name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
        if (!initial.isDir() && !wildcard && !name.isEmpty()) dialog.selectFile(name);
    }

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return PathToBytes(chosen.front());
}

std::optional<Colour> QtInteraction::ChooseColour(Colour initial, CustomColours& custom) {
    for (int i = 0; i < static_cast<int>(custom.size()) && i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, ToQColor(custom[static_cast<std::size_t>(i)]));
    }
    QColorDialog dialog(ToQColor(initial), parent_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Custom colours edited in the dialog are kept even when it is cancelled.
    for (int i = 0; i < static_cast<int>(custom.size()) && i < QColorDialog::customCount(); ++i) {
        custom[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    }
    if (!accepted) return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

std::optional<FontChoice> QtInteraction::ChooseFont(const FontChoice& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, ToQFont(initial), parent_);
    if (!ok) return std::nullopt;
    return FromQFont(font, initial);
}

std::optional<std::string> QtInteraction::BrowseFolder(const std::string& title,
                                                       const std::string& initialFolder) {
    const QString folder =
        QFileDialog::getExistingDirectory(parent_, FromLatin1(title), PathFromBytes(initialFolder));
    if (folder.isEmpty()) return std::nullopt;
    return PathToBytes(folder);
}

bool QtInteraction::OpenWithDesktop(const std::string& target) {
    const QString text = PathFromBytes(target);
    const QUrl url = text.contains(QLatin1String("://"))
                         ? QUrl(text)
                         : QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

}  // namespace dw
