// CGraph: loading, rotating and drawing the picture.
#include <QPainter>

#include "platform/Interaction.h"
#include "render/CGraph.h"
#include "render/ImageFiles.h"
#include "render/ImageLoading.h"
#include "render/RenderServices.h"

namespace dw {

void CGraph::CreateSurface() {
    surface.Reset(width, height);
}

void CGraph::Draw(QPainter& painter) {
    DrawCommon(painter, surface.Current());
}

void CGraph::Rotate(double degrees, Colour fill) {
    if (degrees == runRotation) return;
    runRotation = degrees;
    surface.ShowRotated(degrees + rotation, fill);
    Invalidate();
}

// What Rotate(1.0, 0) and Rotate(0.0, 0) give together (the first call only makes sure that
// the second renders), without turning the whole bitmap once for nothing.
void CGraph::ShowAtDesignedRotation() {
    runRotation = 0.0;
    surface.ShowRotated(rotation, 0);
    Invalidate();
}

void CGraph::Rebuild() {
    surface.Reset(width, height);
    SetImageFile(file);
}

void CGraph::SetImageFile(const std::string& path) {
    if (!IsAcceptedImageName(path)) {
        RenderInteraction().ShowMessage({"Error",
                                         "The image you are loading is on an incompatible format.",
                                         Buttons::Ok, Icon::Error, false});
        return;
    }
    LoadImageFile(path);
    ShowAtDesignedRotation();
}

bool CGraph::LoadImageFile(const std::string& path) {
    if (path.empty()) return false;
    ImageLoadOutcome outcome = dw::LoadImageFile(path, RenderInteraction(), RenderSettings());
    file = outcome.file;
    if (!outcome.loaded) return false;
    const QImage& picture = outcome.picture;
    if (rect.right == rect.left && rect.bottom == rect.top) {
        // The element takes the picture's size, within the bound of every element side.
        width = ElementSurface::ClampSide(picture.width());
        height = ElementSurface::ClampSide(picture.height());
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
    if (picture.width() == width && picture.height() == height) {
        // Nothing to stretch: the surface shares the decoded pixels.
        surface.SetSource(picture);
    } else if (QImage stretched = surface.TakeSource(); !stretched.isNull()) {
        // Stretched over the element's whole size, pixel by pixel (no smoothing, no
        // blending), into the surface's own bitmap.
        QPainter painter(&stretched);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(0, 0, width, height), picture);
        painter.end();
        surface.SetSource(std::move(stretched));
    }
    if (changeColour) surface.ReplaceColourOfCurrent(col1, col2);
    if (outcome.userPicked) OfferSearchPath(file, RenderInteraction(), RenderSettings());
    return true;
}

void CGraph::ReplaceSurfaceColour(Colour from, Colour to) {
    surface.ReplaceColourOfCurrent(from, to);
    Invalidate();
}

}  // namespace dw
