#include "render/ImageRotation.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cmath>

#include "model/ColourConvert.h"

namespace dw {

namespace {

// The source position of a destination pixel, advanced by (c, s) for each pixel to the
// right. floor(v) lies in [0, n) exactly when v does, and for such v truncation is floor.
#if defined(__SSE2__)
// The x and y positions advance together in one register.
class Walker {
public:
    Walker(double sx, double sy, double c, double s, int w, int h)
        : position(_mm_set_pd(sy, sx)), step(_mm_set_pd(s, c)), size(_mm_set_pd(h, w)) {}
    void Step() { position = _mm_add_pd(position, step); }
    bool Inside() const {
        const __m128d zero = _mm_setzero_pd();
        return _mm_movemask_pd(
                   _mm_and_pd(_mm_cmpge_pd(position, zero), _mm_cmplt_pd(position, size))) == 3;
    }
    QRgb Pick(const QRgb* src, qsizetype stride) const {
        const __m128i whole = _mm_cvttpd_epi32(position);
        const int fx = _mm_cvtsi128_si32(whole);
        const int fy = _mm_cvtsi128_si32(_mm_shuffle_epi32(whole, 1));
        return src[static_cast<qsizetype>(fy) * stride + fx];
    }
    double X() const { return _mm_cvtsd_f64(position); }
    double Y() const { return _mm_cvtsd_f64(_mm_unpackhi_pd(position, position)); }

private:
    __m128d position;
    __m128d step;
    __m128d size;
};
#else
class Walker {
public:
    Walker(double sx, double sy, double c, double s, int w, int h)
        : sx(sx), sy(sy), c(c), s(s), wd(w), hd(h) {}
    void Step() { sx += c, sy += s; }
    bool Inside() const { return sx >= 0.0 && sx < wd && sy >= 0.0 && sy < hd; }
    QRgb Pick(const QRgb* src, qsizetype stride) const {
        return src[static_cast<qsizetype>(static_cast<int>(sy)) * stride + static_cast<int>(sx)];
    }
    double X() const { return sx; }
    double Y() const { return sy; }

private:
    double sx, sy, c, s, wd, hd;
};
#endif

// How many pixels, from the current one on, certainly lie outside [0, n) (SureOutside) or
// inside it (SureInside) along one axis, where the position is v now and each pixel adds d.
// Up to k further additions of d to v stay within k half units in the last place of the
// largest value reached of the exact v + k d. With sides up to kSureSide positions stay
// below 2^19 and k below 2^16, so that drift is below 2^-18; the division and subtraction
// below are off by far less. A pixel whose exact position lies kMargin inside (or outside)
// the interval is therefore inside (or outside) after the rounded additions as well. Near
// an edge these give 0 and the pixels are tested one by one.
constexpr int kSureSide = 1 << 16;
constexpr double kMargin = 1.0 / 1024.0;

int Capped(double q, int left) {
    return q >= left ? left : q >= 1.0 ? static_cast<int>(q) : 0;
}

int SureOutside(double v, double d, double n, int left) {
    // Moving away, or standing, the position never comes back: it stays out exactly.
    if (v < 0.0) return d <= 0.0 ? left : Capped((-kMargin - v) / d, left);
    if (v >= n) return d >= 0.0 ? left : Capped((v - n - kMargin) / -d, left);
    return 0;
}

int SureInside(double v, double d, double n, int left) {
    if (!(v >= kMargin && v <= n - kMargin)) return 0;
    if (d > 0.0) return Capped((n - kMargin - v) / d, left);
    if (d < 0.0) return Capped((v - kMargin) / -d, left);
    return left;
}

// The picture turned, row by row: destination pixel x of a row takes the source pixel that
// covers (sx, sy) advanced x times by (c, s), or fill outside the w x h source.
//
// Rounding never reverses an order, so each rounded sum moves the same way as its step (or
// stays): sx and sy are monotone along a row, and the pixels the source covers form one
// unbroken run. A row is walked with the same additions in the same order up to the end of
// that run: the stretch before it only adds, the stretch certainly inside copies without
// testing, the pixels near the run's ends are tested one by one. The pixels after the run
// are never reached; they and those before it are filled in one go.
class RowTurner {
public:
    RowTurner(double c, double s, const QRgb* src, qsizetype stride, int w, int h, QRgb fill)
        : c(c),
          s(s),
          src(src),
          stride(stride),
          w(w),
          h(h),
          fill(fill),
          sure(w <= kSureSide && h <= kSureSide) {}

    // One row's walk: the pixel reached, its source position, the start of the covered run
    // and the end of its stretch certainly inside.
    struct Row {
        QRgb* pixels;
        double px, py;
        int x = 0, start = 0, sureEnd = 0;
    };

    // Steps over the pixels before the covered runs of one row or two (b may be null; the
    // stretches certainly outside of two rows are stepped side by side), then finds each
    // row's stretch certainly inside.
    void Begin(Row& a, Row* b) const {
        Walker wa(a.px, a.py, c, s, w, h);
        Walker wb = b ? Walker(b->px, b->py, c, s, w, h) : wa;
        const int skipA = Skip(a);
        const int skipB = b ? Skip(*b) : 0;
        // A row certainly outside from end to end needs no position at all.
        const int both = skipA < w && skipB < w ? std::min(skipA, skipB) : 0;
        for (int i = 0; i < both; ++i) wa.Step(), wb.Step();
        a.x = both;
        FindRun(a, wa, skipA);
        if (b) {
            b->x = both;
            FindRun(*b, wb, skipB);
        }
    }

    // Copies the stretches certainly inside of two rows, side by side as long as both last:
    // the two rows' additions do not wait for each other. Each coordinate is added on its own
    // (the same additions), so that truncating it needs no moves between registers.
    void CopySure(Row& a, Row& b) const {
        const int both = std::min(a.sureEnd - a.x, b.sureEnd - b.x);
        for (int i = 0; i < both; ++i) {
            a.pixels[a.x++] = Pick(a.px, a.py);
            b.pixels[b.x++] = Pick(b.px, b.py);
            a.px += c, a.py += s;
            b.px += c, b.py += s;
        }
        CopySure(a);
        CopySure(b);
    }

    void CopySure(Row& r) const {
        for (; r.x < r.sureEnd; ++r.x, r.px += c, r.py += s) r.pixels[r.x] = Pick(r.px, r.py);
    }

    // Tests the rest of the covered run pixel by pixel, then fills both sides of it.
    void Finish(Row& r) const {
        Walker walker(r.px, r.py, c, s, w, h);
        for (; r.x < w && walker.Inside(); ++r.x, walker.Step())
            r.pixels[r.x] = walker.Pick(src, stride);
        std::fill(r.pixels, r.pixels + r.start, fill);
        std::fill(r.pixels + r.x, r.pixels + w, fill);
    }

private:
    // How many pixels from the row's start certainly lie before its covered run.
    int Skip(const Row& r) const {
        if (!sure) return 0;
        return std::max(SureOutside(r.px, c, w, w), SureOutside(r.py, s, h, w));
    }

    // Steps the walker (at r.x) over the rest of the skip and the pixels tested outside,
    // then finds the stretch certainly inside.
    void FindRun(Row& r, Walker& walker, int skip) const {
        if (skip >= w) {
            r.x = r.start = r.sureEnd = w;
            return;
        }
        for (; r.x < skip; ++r.x) walker.Step();
        for (; r.x < w && !walker.Inside(); ++r.x) walker.Step();
        r.start = r.x;
        r.px = walker.X();
        r.py = walker.Y();
        r.sureEnd = r.x;
        if (sure && r.x < w) {
            const int left = w - r.x;
            r.sureEnd += std::min(SureInside(r.px, c, w, left), SureInside(r.py, s, h, left));
        }
    }

    QRgb Pick(double px, double py) const {
        return src[static_cast<qsizetype>(static_cast<int>(py)) * stride + static_cast<int>(px)];
    }

    const double c, s;
    const QRgb* const src;
    const qsizetype stride;
    const int w, h;
    const QRgb fill;
    const bool sure;
};

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
    const RowTurner turner(c, s, srcBits, srcStride, w, h, fillRgb);
    const auto rowAt = [&](int y) {
        const double ry = y + 0.5 - dy;
        const double rx0 = 0.5 - dx;
        // Source position of the centre of destination pixel (0, y); it moves by (c, s) for
        // each pixel to the right.
        return RowTurner::Row{reinterpret_cast<QRgb*>(outBits + y * outStride), rx0 * c - ry * s,
                              rx0 * s + ry * c};
    };
    // Rows go in pairs, whose runs are copied side by side.
    for (int y = 0; y < h; y += 2) {
        RowTurner::Row a = rowAt(y);
        if (y + 1 < h) {
            RowTurner::Row b = rowAt(y + 1);
            turner.Begin(a, &b);
            turner.CopySure(a, b);
            turner.Finish(b);
        } else {
            turner.Begin(a, nullptr);
            turner.CopySure(a);
        }
        turner.Finish(a);
    }
}

}  // namespace dw
