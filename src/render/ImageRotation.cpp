#include "render/ImageRotation.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cmath>

#include "model/ColourConvert.h"

namespace dw {

namespace {

// One row of the turned picture: destination pixel x takes the source pixel that covers
// (sx, sy) advanced x times by (c, s), or fill outside the w x h source. floor(v) lies in
// [0, n) exactly when v does, and for such v truncation is floor. Both ways below add the
// same steps in the same order, so they give the same pixels.
void TurnRow(QRgb* row, int count, double sx, double sy, double c, double s, const QRgb* src,
             qsizetype stride, int w, int h, QRgb fill) {
#if defined(__SSE2__)
    // The x and y positions advance together in one register.
    __m128d position = _mm_set_pd(sy, sx);
    const __m128d step = _mm_set_pd(s, c);
    const __m128d zero = _mm_setzero_pd();
    const __m128d size = _mm_set_pd(h, w);
    for (int x = 0; x < count; ++x, position = _mm_add_pd(position, step)) {
        const int inside =
            _mm_movemask_pd(_mm_and_pd(_mm_cmpge_pd(position, zero), _mm_cmplt_pd(position, size)));
        if (inside == 3) {
            const __m128i whole = _mm_cvttpd_epi32(position);
            const int fx = _mm_cvtsi128_si32(whole);
            const int fy = _mm_cvtsi128_si32(_mm_shuffle_epi32(whole, 1));
            row[x] = src[static_cast<qsizetype>(fy) * stride + fx];
        } else {
            row[x] = fill;
        }
    }
#else
    const double wd = w;
    const double hd = h;
    for (int x = 0; x < count; ++x, sx += c, sy += s) {
        row[x] =
            sx >= 0.0 && sx < wd && sy >= 0.0 && sy < hd
                ? src[static_cast<qsizetype>(static_cast<int>(sy)) * stride + static_cast<int>(sx)]
                : fill;
    }
#endif
}

}  // namespace

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
        TurnRow(row, w, sx, sy, c, s, srcBits, srcStride, w, h, fillRgb);
    }
}

}  // namespace dw
