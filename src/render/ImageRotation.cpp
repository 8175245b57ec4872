#include "render/ImageRotation.h"

#include <algorithm>
#include <cmath>

#include "model/ColourConvert.h"

namespace dw {

RotationTransform MakeRotationTransform(int w, int h, double angleDegrees) {
    const double theta = angleDegrees * -1.0 * 6.283185307179586 / 360.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double xs[] = {0.0, h * s, w * c + h * s, w * c};
    const double ys[] = {0.0, h * c, h * c - w * s, -w * s};
    const double minx = std::min({xs[0], xs[1], xs[2], xs[3]});
    const double maxx = std::max({xs[0], xs[1], xs[2], xs[3]});
    const double miny = std::min({ys[0], ys[1], ys[2], ys[3]});
    const double maxy = std::max({ys[0], ys[1], ys[2], ys[3]});
    RotationTransform t;
    t.m11 = c;
    t.m12 = -s;
    t.m21 = s;
    t.m22 = c;
    t.dx = std::trunc(w * 0.5) - (minx + (maxx - minx) * 0.5);
    t.dy = std::trunc(h * 0.5) - (miny + (maxy - miny) * 0.5);
    return t;
}

QImage RotateImage(const QImage& source, double angleDegrees, Colour fill) {
    QImage out;
    RotateImageInto(source, angleDegrees, fill, out);
    return out;
}

void RotateImageInto(const QImage& source, double angleDegrees, Colour fill, QImage& out) {
    if (source.isNull()) {
        out = QImage();
        return;
    }
    const QImage src = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    const int w = src.width();
    const int h = src.height();
    // The bitmap of out is reused when it has the size and format and nobody shares it.
    if (out.size() != src.size() || out.format() != QImage::Format_RGB32 || !out.isDetached())
        out = QImage(w, h, QImage::Format_RGB32);
    if (out.isNull()) return;
    const QRgb fillRgb = ToQRgb(fill);
    if (!std::isfinite(angleDegrees)) {
        out.fill(fillRgb);
        return;
    }
    const RotationTransform t = MakeRotationTransform(w, h, angleDegrees);
    // Whole-pixel translation (halves rounded up), then each destination pixel centre is
    // mapped back through the inverse rotation to the source pixel that covers it.
    // The offsets are first rounded to a millionth of a pixel, so that the last bits of the
    // sine and cosine of a quarter turn cannot tip an exact half over.
    const double dx = std::floor(std::round(t.dx * 1e6) / 1e6 + 0.5);
    const double dy = std::floor(std::round(t.dy * 1e6) / 1e6 + 0.5);
    const double c = t.m11;
    const double s = t.m21;
    const double wd = w;
    const double hd = h;
    const auto* srcBits = reinterpret_cast<const QRgb*>(src.constBits());
    const qsizetype srcStride = src.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    uchar* outBits = out.bits();
    const qsizetype outStride = out.bytesPerLine();
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(outBits + y * outStride);
        const double ry = y + 0.5 - dy;
        const double rx0 = 0.5 - dx;
        // Source position of the centre of destination pixel (0, y); it moves by (c, s) for
        // each pixel to the right.
        double sx = rx0 * c - ry * s;
        double sy = rx0 * s + ry * c;
        // floor(v) lies in [0, n) exactly when v does, and for such v truncation is floor.
        for (int x = 0; x < w; ++x, sx += c, sy += s) {
            row[x] = sx >= 0.0 && sx < wd && sy >= 0.0 && sy < hd
                         ? srcBits[static_cast<qsizetype>(static_cast<int>(sy)) * srcStride +
                                   static_cast<int>(sx)]
                         : fillRgb;
        }
    }
}

}  // namespace dw
