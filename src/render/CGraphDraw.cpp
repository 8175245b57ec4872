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
    // The first call only makes sure that the second one renders.
    Rotate(-999.0, 0);
    Rotate(0.0, 0);
}

bool CGraph::LoadImageFile(const std::string& path) {
    if (path.empty()) return false;
    ImageLoadOutcome outcome = dw::LoadImageFile(path, RenderInteraction(), RenderSettings());
    file = outcome.file;
    if (!outcome.loaded) return false;
    const QImage& picture = outcome.picture;
    if (rect.right == rect.left && rect.bottom == rect.top) {
        rect.right = rect.left + picture.width();
        rect.bottom = rect.top + picture.height();
        width = picture.width();
        height = picture.height();
        surface.Reset(width, height);
    }
    // Stretched over the element's whole size, pixel by pixel (no smoothing, no blending).
    QImage stretched = surface.Source();
    if (!stretched.isNull()) {
        QPainter painter(&stretched);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(0, 0, width, height), picture);
    }
    surface.SetSource(std::move(stretched));
    if (changeColour) surface.ReplaceColourOfCurrent(col1, col2);
    if (outcome.userPicked) OfferSearchPath(file, RenderInteraction(), RenderSettings());
    return true;
}

void CGraph::ReplaceSurfaceColour(Colour from, Colour to) {
    surface.ReplaceColourOfCurrent(from, to);
    Invalidate();
}

}  // namespace dw
