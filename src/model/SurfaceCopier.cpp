#include "model/SurfaceCopier.h"

#include <QPaintEngine>
#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/ColourConvert.h"

namespace dw {

namespace {

// The part of surface that a copy to target reads, in surface coordinates.
QRect SourceArea(const QImage& surface, const QRect& target) {
    return QRect(0, 0, target.width(), target.height()).intersected(surface.rect());
}

// One row of the masked copy: every pixel either keeps full opacity or becomes fully clear,
// so the same bits are valid both as straight and as premultiplied ARGB.
inline void MaskRow(const QRgb* from, QRgb* to, int w, QRgb keyRgb) {
    for (int x = 0; x < w; ++x) {
        const QRgb p = from[x];
        to[x] = (p & 0x00FFFFFFu) == keyRgb ? 0u : (p | 0xFF000000u);
    }
}

// Masks image (Format_RGB32) in place and marks it premultiplied ARGB.
void MaskRows(QImage& image, Colour key) {
    const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFFu;
    const int w = image.width();
    const int h = image.height();
    const qsizetype stride = image.bytesPerLine();
    uchar* bits = image.bits();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        MaskRow(line, line, w, keyRgb);
    }
    image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
}

// Masks surface (Format_RGB32) into into, a premultiplied ARGB image of the same size.
void MaskInto(const QImage& surface, QImage& into, Colour key) {
    const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFFu;
    const int w = surface.width();
    const int h = surface.height();
    const qsizetype fromStride = surface.bytesPerLine();
    const qsizetype toStride = into.bytesPerLine();
    const uchar* from = surface.constBits();
    uchar* to = into.bits();
    for (int y = 0; y < h; ++y)
        MaskRow(reinterpret_cast<const QRgb*>(from + y * fromStride),
                reinterpret_cast<QRgb*>(to + y * toStride), w, keyRgb);
}

// The image a painter draws on when a copy may write its pixels directly: a raster-painted
// Format_RGB32 image, nobody else sharing its pixels, drawn on without transform, clip or
// opacity. Writing the pixels then gives exactly what QPainter's own image copy gives, at a
// fraction of its set-up cost. Null otherwise.
QImage* DirectTarget(QPainter& painter) {
    QPaintDevice* device = painter.device();
    QPaintEngine* engine = painter.paintEngine();
    if (device == nullptr || engine == nullptr || device->devType() != QInternal::Image ||
        engine->type() != QPaintEngine::Raster)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_RGB32 || !image->isDetached() ||
        image->devicePixelRatio() != 1.0 || painter.hasClipping() || painter.opacity() != 1.0 ||
        !painter.deviceTransform().isIdentity())
        return nullptr;
    return image;
}

// The rows of from (an area of a Format_RGB32 surface) and of the target image at `to`,
// both cut to what lies inside the target image.
struct RowSpan {
    const uchar* from = nullptr;
    uchar* to = nullptr;
    qsizetype fromStride = 0;
    qsizetype toStride = 0;
    int width = 0;
    int rows = 0;
};

RowSpan SpanOf(const QImage& surface, QRect area, QPoint at, QImage& target) {
    const QRect placed = QRect(at, area.size()).intersected(target.rect());
    RowSpan span;
    if (placed.isEmpty()) return span;
    area.translate(placed.topLeft() - at);
    span.fromStride = surface.bytesPerLine();
    span.toStride = target.bytesPerLine();
    span.from = surface.constBits() + area.top() * span.fromStride + area.left() * 4;
    span.to = target.bits() + placed.top() * span.toStride + placed.left() * 4;
    span.width = placed.width();
    span.rows = placed.height();
    return span;
}

// One row of the transparent copy: every pixel of from whose red, green and blue are not
// keyRgb is written, opaque, over to. Runs of four pixels all of the key colour leave to
// untouched (not even read), which is most of a needle's or a lamp's surface.
void KeyedRow(const QRgb* from, QRgb* to, int count, QRgb keyRgb) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i rgbMask = _mm_set1_epi32(0x00FFFFFF);
    const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i key = _mm_set1_epi32(static_cast<int>(keyRgb));
    for (; x + 4 <= count; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
        const __m128i keyed = _mm_cmpeq_epi32(_mm_and_si128(pixels, rgbMask), key);
        const int keyedBytes = _mm_movemask_epi8(keyed);
        if (keyedBytes == 0xFFFF) continue;
        const __m128i opaque = _mm_or_si128(pixels, alpha);
        auto* out = reinterpret_cast<__m128i*>(to + x);
        if (keyedBytes == 0) {
            _mm_storeu_si128(out, opaque);
        } else {
            const __m128i kept = _mm_and_si128(keyed, _mm_loadu_si128(out));
            _mm_storeu_si128(out, _mm_or_si128(kept, _mm_andnot_si128(keyed, opaque)));
        }
    }
#endif
    for (; x < count; ++x)
        if ((from[x] & 0x00FFFFFFu) != keyRgb) to[x] = from[x] | 0xFF000000u;
}

// Paints the part of area inside image black.
void FillBlack(QImage& image, const QRect& area) {
    const QRect black = area.intersected(image.rect());
    if (black.isEmpty()) return;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = black.top(); y <= black.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + black.left(), row + black.left() + black.width(), 0xFF000000u);
    }
}

// Rows of a strip of the transparent copy without a kept masked copy.
constexpr int kStripRows = 64;

}  // namespace

void SurfaceCopier::Reset() {
    directSource = 0;
    cache = QImage();
    cacheCharge.Release();
    cacheKind = CacheKind::None;
    cacheSource = 0;
    cacheKey = 0;
}

const QImage& SurfaceCopier::Prepare(const QImage& surface, CacheKind kind, Colour key) {
    if (kind == CacheKind::Opaque && !surface.hasAlphaChannel()) return surface;
    if (cacheKind == kind && cacheSource == surface.cacheKey() &&
        (kind != CacheKind::Masked || cacheKey == key)) {
        return cache;
    }
    // A changed surface of the size and format of the kept masked copy is masked into the
    // copy's own pixels: no new bitmap, no new charge.
    if (kind == CacheKind::Masked && cacheKind == kind &&
        surface.format() == QImage::Format_RGB32 && cache.size() == surface.size() &&
        cache.isDetached()) {
        MaskInto(surface, cache, key);
        cacheSource = surface.cacheKey();
        cacheKey = key;
        return cache;
    }
    Reset();
    if (!cacheCharge.Take(SurfaceBudget::SurfaceBytes(surface.width(), surface.height())))
        return cache;  // null: the caller copies without it
    QImage prepared = surface.convertToFormat(QImage::Format_RGB32);
    if (kind == CacheKind::Masked) MaskRows(prepared, key);
    cache = std::move(prepared);
    cacheKind = kind;
    cacheSource = surface.cacheKey();
    cacheKey = key;
    return cache;
}

void SurfaceCopier::CopyTransparentInStrips(QPainter& painter, const QImage& surface,
                                            const QRect& source, const QPoint& to, Colour key) {
    for (int top = source.top(); top <= source.bottom(); top += kStripRows) {
        const int rows = std::min(kStripRows, source.bottom() + 1 - top);
        QImage strip = surface.copy(source.left(), top, source.width(), rows)
                           .convertToFormat(QImage::Format_RGB32);
        if (strip.isNull()) return;
        MaskRows(strip, key);
        painter.drawImage(QPoint(to.x(), to.y() + top - source.top()), strip);
    }
}

void SurfaceCopier::CopyOpaque(QPainter& painter, const QImage& surface, const QRect& target) {
    if (target.isEmpty()) return;
    const QRect source = surface.isNull() ? QRect() : SourceArea(surface, target);
    if (QImage* image = DirectTarget(painter);
        image != nullptr && (source.isEmpty() || surface.format() == QImage::Format_RGB32)) {
        if (source.size() != target.size()) {
            // Black where the surface does not reach: right of it, then below it.
            const QRect right(target.left() + source.width(), target.top(),
                              target.width() - source.width(), source.height());
            const QRect below(target.left(), target.top() + source.height(), target.width(),
                              target.height() - source.height());
            for (const QRect& area : {right, below}) FillBlack(*image, area);
        }
        if (source.isEmpty()) return;
        const RowSpan span = SpanOf(surface, source, target.topLeft(), *image);
        for (int y = 0; y < span.rows; ++y)
            std::memcpy(span.to + y * span.toStride, span.from + y * span.fromStride,
                        static_cast<std::size_t>(span.width) * 4);
        return;
    }
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (source.size() != target.size()) painter.fillRect(target, Qt::black);
    if (!source.isEmpty()) {
        const QImage& prepared = Prepare(surface, CacheKind::Opaque, 0);
        // Without a prepared copy, QPainter converts the pixels as it draws.
        painter.drawImage(target.topLeft(), prepared.isNull() ? surface : prepared, source);
    }
    painter.setCompositionMode(mode);
}

void SurfaceCopier::CopyTransparent(QPainter& painter, const QImage& surface, const QRect& target,
                                    Colour key, const QRect* only) {
    if (target.isEmpty() || surface.isNull()) return;
    QRect source = SourceArea(surface, target);
    QPoint to = target.topLeft();
    if (only != nullptr) {
        const QRect within = source & *only;
        to += within.topLeft() - source.topLeft();
        source = within;
    }
    if (source.isEmpty()) return;
    // A surface that changed since its last copy is copied directly, pixel by pixel; one that
    // stayed the same gets a kept masked copy, which QPainter's blending copies faster.
    const bool kept =
        cacheKind == CacheKind::Masked && cacheSource == surface.cacheKey() && cacheKey == key;
    const bool unchanged = directSource == surface.cacheKey() && directKey == key;
    directSource = surface.cacheKey();
    directKey = key;
    if (QImage* image = kept || unchanged ? nullptr : DirectTarget(painter);
        image != nullptr && surface.format() == QImage::Format_RGB32) {
        const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFFu;
        const RowSpan span = SpanOf(surface, source, to, *image);
        for (int y = 0; y < span.rows; ++y)
            KeyedRow(reinterpret_cast<const QRgb*>(span.from + y * span.fromStride),
                     reinterpret_cast<QRgb*>(span.to + y * span.toStride), span.width, keyRgb);
        return;
    }
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QImage& prepared = Prepare(surface, CacheKind::Masked, key);
    if (prepared.isNull())
        CopyTransparentInStrips(painter, surface, source, to, key);
    else
        painter.drawImage(to, prepared, source);
    painter.setCompositionMode(mode);
}

}  // namespace dw
