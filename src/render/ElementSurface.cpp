#include "render/ElementSurface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "render/ColourReplace.h"
#include "render/ImageRotation.h"

namespace dw {

namespace {

// The source and the bitmap shown.
constexpr int kBitmaps = 2;

}  // namespace

int ElementSurface::ClampSide(int side) {
    return SurfaceBudget::ClampSide(side);
}

void ElementSurface::Reset(int w, int h) {
    display = QImage();
    displayContent = QRect();
    showingSource = true;
    // A source of the same size is blacked out in place: its charge stays, and so does the
    // paint engine Qt keeps with its pixels.
    const int cw = ClampSide(w);
    const int ch = ClampSide(h);
    if (!source.isNull() && source.width() == cw && source.height() == ch &&
        source.format() == QImage::Format_RGB32 &&
        charge.Bytes() == SurfaceBudget::SurfaceBytes(cw, ch) * kBitmaps) {
        // Only what was drawn since needs blacking out; the bitmap gets a new cache key all
        // the same, as any change gives it.
        const QRect drawn = sourceContent & source.rect();
        uchar* bits = source.bits();
        const qsizetype stride = source.bytesPerLine();
        for (int y = drawn.top(); y <= drawn.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + drawn.left(), drawn.width(),
                        qRgb(0, 0, 0));
        sourceContent = QRect();
        return;
    }
    // The old bitmaps go first, so that their memory counts for the new ones.
    source = QImage();
    source = AllocateSurface(w, h, kBitmaps, charge);
    sourceContent = QRect();  // a new surface is black
}

QImage& ElementSurface::Edit(const QRect& area) {
    QRect& content = showingSource ? sourceContent : displayContent;
    QImage& shown = showingSource ? source : display;
    content |= area & shown.rect();
    return shown;
}

void ElementSurface::SetSource(QImage image) {
    display = QImage();
    showingSource = true;
    source = QImage();
    sourceContent = displayContent = QRect();
    if (image.isNull()) {
        charge.Release();
        return;
    }
    const std::int64_t bytes =
        SurfaceBudget::SurfaceBytes(image.width(), image.height()) * kBitmaps;
    if (image.width() > kMaxSurfaceSide || image.height() > kMaxSurfaceSide ||
        (charge.Bytes() != bytes && !charge.Take(bytes))) {
        charge.MarkRefused();
        return;
    }
    if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
    source = std::move(image);
    sourceContent = source.rect();
}

QImage ElementSurface::TakeSource() {
    display = QImage();
    showingSource = true;
    sourceContent = QRect();
    return std::exchange(source, QImage());
}

void ElementSurface::ShowRotated(double angleDegrees, Colour fill) {
    // Whole turns leave every pixel in place: share the source (copied only when drawn on).
    if (source.isNull() || (std::isfinite(angleDegrees) && std::fmod(angleDegrees, 360.0) == 0.0))
        display = source;
    else
        RotateImageInto(source, angleDegrees, fill, display);
    displayContent = display.cacheKey() == source.cacheKey() ? sourceContent : display.rect();
    showingSource = false;
}

void ElementSurface::ReplaceColourOfCurrent(Colour from, Colour to) {
    // Source and rotated copy both change, so that a later rotation keeps the new colours
    // and never turns an already turned picture.
    ReplaceColourInPlace(source, from, to);
    if (!showingSource) ReplaceColourInPlace(display, from, to);
    // Black itself may have been replaced.
    sourceContent = source.rect();
    displayContent = display.rect();
}

}  // namespace dw
