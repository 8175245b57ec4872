#pragma once
// Conversions between the program's colour values (0x00BBGGRR, red in the low byte, as in
// gauge files and the settings store) and Qt's colour types.
#include <QColor>
#include <QRgb>

#include "platform/Interaction.h"

namespace dw {

inline QColor ToQColor(Colour c) {
    return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                  static_cast<int>((c >> 16) & 0xFFu));
}

// The alpha channel of the QColor is dropped.
inline Colour FromQColor(const QColor& q) {
    return static_cast<Colour>(q.red()) | (static_cast<Colour>(q.green()) << 8) |
           (static_cast<Colour>(q.blue()) << 16);
}

// An opaque QRgb (0xFFRRGGBB) of the colour; bits above the low 24 of c are ignored.
inline QRgb ToQRgb(Colour c) {
    return qRgb(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                static_cast<int>((c >> 16) & 0xFFu));
}

inline Colour FromQRgb(QRgb rgb) {
    return static_cast<Colour>(qRed(rgb)) | (static_cast<Colour>(qGreen(rgb)) << 8) |
           (static_cast<Colour>(qBlue(rgb)) << 16);
}

}  // namespace dw
