#include "render/TextFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace dw {

namespace {

// The installed seven-segment family, looked up once.
QString LcdFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* candidate : {"DSEG7 Classic", "DSEG7 Modern", "DSEG7 Classic Mini"}) {
            if (families.contains(QString::fromLatin1(candidate), Qt::CaseInsensitive))
                return QString::fromLatin1(candidate);
        }
        return QString::fromLatin1(kLcdFaceName);
    }();
    return family;
}

// The pixel size whose character cell (ascent + descent) is cellHeight.
int PixelSizeForCell(QFont font, int cellHeight) {
    font.setPixelSize(cellHeight);
    const double cell = QFontMetricsF(font).height();
    if (cell <= 0.0) return cellHeight;
    return std::max(1, static_cast<int>(std::lround(cellHeight * cellHeight / cell)));
}

}  // namespace

QString MapFaceName(const std::string& face) {
    const std::string cut = face.substr(0, kMaxFaceName);
    if (cut == kLcdFaceName) return LcdFamily();
    return QString::fromLatin1(cut.data(), static_cast<qsizetype>(cut.size()));
}

QFont MakeFont(const FontDescription& d) {
    QFont font(MapFaceName(d.face));
    font.setItalic((d.style & 1) != 0);
    font.setStrikeOut((d.style & 2) != 0);
    font.setUnderline((d.style & 4) != 0);
    font.setWeight(static_cast<QFont::Weight>(d.weight <= 0 ? 400 : std::min(d.weight, 1000)));
    const int height = std::clamp(d.height, -kMaxFontPixels, kMaxFontPixels);
    if (height < 0)
        font.setPixelSize(-height);
    else
        font.setPixelSize(PixelSizeForCell(font, height == 0 ? 16 : height));
    const int width =
        std::min(std::abs(std::clamp(d.width, -kMaxFontPixels, kMaxFontPixels)), kMaxFontPixels);
    if (width != 0) {
        const double natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0.0)
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(100.0 * width / natural)), 1, 4000));
    }
    return font;
}

}  // namespace dw
