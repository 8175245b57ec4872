#pragma once
// Copies an element's off-screen surface to a target painter, either opaquely or leaving
// out every pixel of exactly one colour. For the transparent copy it keeps a masked ARGB
// copy of the surface, rebuilt only when the surface (QImage::cacheKey) or the colour
// changes, so that each copy is a single image draw. A surface that changes from one copy to
// the next (a turning needle) is instead copied straight into a plain RGB32 target image,
// without a masked copy. The masked copy's memory comes from the
// surface budget; when the budget can't give it, each transparent copy is made in strips
// of a few rows instead, with no copy of the whole surface kept.
#include <QImage>
#include <QPainter>
#include <QRect>

#include "model/SurfaceBudget.h"
#include "platform/Interaction.h"

namespace dw {

class SurfaceCopier {
public:
    // Copies the area (0, 0, target size) of surface to target. Parts of target that lie
    // beyond the surface are painted black, as a copy from outside a bitmap gives.
    void CopyOpaque(QPainter& painter, const QImage& surface, const QRect& target);

    // Copies the area (0, 0, target size) of surface to target, leaving out the pixels whose
    // red, green and blue equal those of key exactly (the surface's alpha is ignored).
    // Parts of target beyond the surface are left untouched.
    // With only, the surface holds key outside that rectangle: only it is looked at.
    void CopyTransparent(QPainter& painter, const QImage& surface, const QRect& target, Colour key,
                         const QRect* only = nullptr);

    // Drops the cached copy (it is rebuilt on the next copy that needs it).
    void Reset();
    // Surface budget held by the cached copy.
    std::int64_t ChargedBytes() const { return cacheCharge.Bytes(); }

private:
    enum class CacheKind { None, Opaque, Masked };
    // The surface ready to draw, or a null image when the budget refused the copy.
    const QImage& Prepare(const QImage& surface, CacheKind kind, Colour key);
    // The transparent copy without a kept masked copy.
    static void CopyTransparentInStrips(QPainter& painter, const QImage& surface,
                                        const QRect& source, const QPoint& to, Colour key);

    QImage cache;
    CacheKind cacheKind = CacheKind::None;
    qint64 cacheSource = 0;
    Colour cacheKey = 0;
    SurfaceCharge cacheCharge;
    // The surface (QImage::cacheKey) and colour of the last transparent copy.
    qint64 directSource = 0;
    Colour directKey = 0;
};

}  // namespace dw
