#include "model/SurfaceCopier.h"

#include "model/ColourConvert.h"

namespace dw {

namespace {
// The part of surface that a copy to target reads, in surface coordinates.
QRect SourceArea(const QImage& surface, const QRect& target) {
    return QRect(0, 0, target.width(), target.height()).intersected(surface.rect());
}
}  // namespace

void SurfaceCopier::Reset() {
    cache = QImage();
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
    QImage prepared = surface.convertToFormat(QImage::Format_RGB32);
    if (kind == CacheKind::Masked) {
        // Every pixel either keeps full opacity or becomes fully clear, so the same bits
        // are valid both as straight and as premultiplied ARGB.
        const QRgb clear = 0;
        const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFFu;
        for (int y = 0; y < prepared.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(prepared.scanLine(y));
            for (int x = 0; x < prepared.width(); ++x) {
                line[x] = (line[x] & 0x00FFFFFFu) == keyRgb ? clear : (line[x] | 0xFF000000u);
            }
        }
        prepared.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    }
    cache = std::move(prepared);
    cacheKind = kind;
    cacheSource = surface.cacheKey();
    cacheKey = key;
    return cache;
}

void SurfaceCopier::CopyOpaque(QPainter& painter, const QImage& surface, const QRect& target) {
    if (target.isEmpty()) return;
    const QRect source = surface.isNull() ? QRect() : SourceArea(surface, target);
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (source.size() != target.size()) painter.fillRect(target, Qt::black);
    if (!source.isEmpty()) {
        painter.drawImage(target.topLeft(), Prepare(surface, CacheKind::Opaque, 0), source);
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
    painter.drawImage(target.topLeft(), Prepare(surface, CacheKind::Masked, key), source);
    painter.setCompositionMode(mode);
}

}  // namespace dw
