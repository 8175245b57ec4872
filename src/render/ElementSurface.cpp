#include "render/ElementSurface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "render/ColourReplace.h"
#include "render/ImageRotation.h"

namespace dw {

int ElementSurface::ClampSide(int side) {
    return std::clamp(side, 0, kMaxSurfaceSide);
}

void ElementSurface::Reset(int w, int h) {
    const int cw = ClampSide(w);
    const int ch = ClampSide(h);
    source = cw > 0 && ch > 0 ? QImage(cw, ch, QImage::Format_RGB32) : QImage();
    if (!source.isNull()) source.fill(Qt::black);
    display = QImage();
    showingSource = true;
}

void ElementSurface::SetSource(QImage image) {
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    source = std::move(image);
    display = QImage();
    showingSource = true;
}

void ElementSurface::ShowRotated(double angleDegrees, Colour fill) {
    // Whole turns leave every pixel in place: share the source (copied only when drawn on).
    if (std::isfinite(angleDegrees) && std::fmod(angleDegrees, 360.0) == 0.0)
        display = source;
    else
        display = RotateImage(source, angleDegrees, fill);
    showingSource = false;
}

void ElementSurface::ReplaceColourOfCurrent(Colour from, Colour to) {
    // Source and rotated copy both change, so that a later rotation keeps the new colours
    // and never turns an already turned picture.
    ReplaceColourInPlace(source, from, to);
    if (!showingSource) ReplaceColourInPlace(display, from, to);
}

}  // namespace dw
