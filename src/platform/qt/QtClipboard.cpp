#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/QtText.h"

namespace dw {

using qt::FromLatin1;
using qt::ToLatin1;

std::string QtClipboard::Text() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return "";
    return ToLatin1(clipboard->text());
}

void QtClipboard::SetText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard) clipboard->setText(FromLatin1(text));
}

}  // namespace dw
