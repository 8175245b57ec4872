#pragma once
// Conversions at the Qt boundary: 8-bit program text is Latin-1; file paths are the file
// system's own bytes; colours are 0x00BBGGRR.
#include <string>

#include <QColor>
#include <QString>

#include "platform/Interaction.h"

namespace dw::qt {

inline QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
// Characters outside Latin-1 become "?".
inline std::string ToLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

// Program text with CR LF line ends, as shown in a message box.
QString MessageText(const std::string& text);

QString PathFromBytes(const std::string& path);
std::string PathToBytes(const QString& path);

QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

}  // namespace dw::qt
