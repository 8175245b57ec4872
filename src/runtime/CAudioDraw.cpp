// CAudio: drawing. A first version: the icon is a blank (black, so fully transparent)
// bitmap of the element's size; only the selection frame shows.
#include "runtime/CAudio.h"

#include "render/ElementSurface.h"

namespace dw {

void CAudio::CreateSurface() {
    iconBitmap = QImage(ElementSurface::ClampSide(width), ElementSurface::ClampSide(height),
                        QImage::Format_RGB32);
    iconBitmap.fill(Qt::black);
}

void CAudio::Draw(QPainter& painter) {
    if (IsRunMode()) return;
    lastValue = -9999.85f;
    CopySurface(painter, iconBitmap, true, 0);
    if (IsSelected()) DrawFrame(painter);
}

void CAudio::Rebuild() {
    playing = false;
    CreateSurface();
}

}  // namespace dw
