#include "model/SurfaceCopier.h"

#include <algorithm>

#include "model/ColourConvert.h"

namespace dw {

namespace {

// The part of surface that a copy to target reads, in surface coordinates.
QRect SourceArea(const QImage& surface, const QRect& target) {
    return QRect(0, 0, target.width(), target.height()).intersected(surface.rect());
}

// Every pixel either keeps full opacity or becomes fully clear, so the same bits are valid
// both as straight and as premultiplied ARGB.
void MaskRows(QImage& image, Colour key) {
    const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFFu;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFFu) == keyRgb ? 0u : (line[x] | 0xFF000000u);
    }
    image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
}

// Rows of a strip of the transparent copy without a kept masked copy.
constexpr int kStripRows = 64;

}  // namespace

void SurfaceCopier::Reset() {
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
                                    Colour key) {
    if (target.isEmpty() || surface.isNull()) return;
    const QRect source = SourceArea(surface, target);
    if (source.isEmpty()) return;
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QImage& prepared = Prepare(surface, CacheKind::Masked, key);
    if (prepared.isNull())
        CopyTransparentInStrips(painter, surface, source, target.topLeft(), key);
    else
        painter.drawImage(target.topLeft(), prepared, source);
    painter.setCompositionMode(mode);
}

}  // namespace dw
