#include "platform/qt/QtFontMapping.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtText.h"

namespace dw::qt {

namespace {

// Sizes beyond this are refused by the font engines anyway.
constexpr int kMaxPixelSize = 2000;

int ClampPixels(long long pixels) {
    return static_cast<int>(std::clamp<long long>(pixels, 1, kMaxPixelSize));
}

}  // namespace

QFont ToQFont(const FontChoice& choice) {
    QFont font;
    if (!choice.face.empty()) font.setFamily(FromLatin1(choice.face));
    if (choice.height < 0) {
        font.setPixelSize(ClampPixels(-static_cast<long long>(choice.height)));
    } else if (choice.height > 0) {
        // Find the pixel size whose cell height is the requested one.
        const int cell = ClampPixels(choice.height);
        font.setPixelSize(cell);
        const int measured = QFontMetrics(font).height();
        if (measured > 0 && measured != cell) {
            font.setPixelSize(ClampPixels(std::lround(double(cell) * cell / measured)));
        }
    }
    font.setWeight(static_cast<QFont::Weight>(
        choice.weight <= 0 ? int(QFont::Normal) : std::clamp(choice.weight, 1, 1000)));
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

FontChoice FromQFont(const QFont& font, const FontChoice& initial) {
    FontChoice choice;
    choice.face = ToLatin1(font.family());
    if (font.pixelSize() > 0) {
        choice.height = -font.pixelSize();
    } else if (font.pointSizeF() > 0) {
        choice.height = -std::max(1, int(std::lround(font.pointSizeF() * kLogicalDpi / 72.0)));
    }
    choice.weight = font.weight();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.colour = initial.colour;
    choice.width = 0;
    return choice;
}

}  // namespace dw::qt
