#include "render/ColourReplace.h"

#include "model/ColourConvert.h"

namespace dw {

namespace {

inline bool Near(int a, int b) {
    return a - b < 50 && b - a < 50;
}

}  // namespace

bool ColourMatches(QRgb pixel, Colour colour) {
    const QRgb c = ToQRgb(colour);
    return Near(qRed(pixel), qRed(c)) && Near(qGreen(pixel), qGreen(c)) &&
           Near(qBlue(pixel), qBlue(c));
}

void ReplaceColourInPlace(QImage& image, Colour from, Colour to) {
    if (image.isNull()) return;
    if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
    const QRgb f = ToQRgb(from);
    const int fr = qRed(f), fg = qGreen(f), fb = qBlue(f);
    const QRgb replacement = ToQRgb(to);
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = row[x];
            if (Near(qRed(p), fr) && Near(qGreen(p), fg) && Near(qBlue(p), fb))
                row[x] = replacement;
        }
    }
}

QImage ReplaceColour(const QImage& image, Colour from, Colour to) {
    if (image.isNull()) return QImage();
    QImage copy = image.format() == QImage::Format_RGB32
                      ? image.copy()
                      : image.convertToFormat(QImage::Format_RGB32);
    ReplaceColourInPlace(copy, from, to);
    return copy;
}

}  // namespace dw
