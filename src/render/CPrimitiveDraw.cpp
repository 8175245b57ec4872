// CPrimitive: rendering the shape, rotating and drawing it.
#include "render/CPrimitive.h"
#include "render/ShapeRenderer.h"

namespace dw {

void CPrimitive::CreateSurface() {
    MakePenAndBrush();
    surface.Reset(width, height);
    ShowAtDesignedRotation();
}

void CPrimitive::MakePenAndBrush() {
    borderPen = MakeBorderPen(borderWidth, borderColor);
    fillBrush = MakeFillBrush(style, colorF);
}

void CPrimitive::Draw(QPainter& painter) {
    // The opaque copy covers one pixel more in width and height.
    DrawCommon(painter, surface.Current(), 1, &surface.Content());
}

void CPrimitive::Rotate(double degrees, Colour fill) {
    if (degrees == runRotation) return;
    runRotation = degrees;
    surface.ShowRotated(degrees + rotation, fill);
    Invalidate();
}

// What Rotate(1.0, 0) and Rotate(0.0, 0) give together (the first call only makes sure that
// the second renders), without turning the whole bitmap once for nothing.
void CPrimitive::ShowAtDesignedRotation() {
    runRotation = 0.0;
    surface.ShowRotated(rotation, 0);
    Invalidate();
}

void CPrimitive::Rebuild() {
    if (!borderPen || !fillBrush) MakePenAndBrush();
    BuiltShape wanted;
    wanted.params = CurrentShapeParams();
    wanted.changeColour = changeColour;
    wanted.col1 = changeColour ? col1 : 0;
    wanted.col2 = changeColour ? col2 : 0;
    wanted.width = width;
    wanted.height = height;
    wanted.rotation = rotation;
    wanted.source = surface.Source().cacheKey();
    wanted.shown = surface.Current().cacheKey();
    if (builtValid && !surface.ShowingSource() && wanted == built) {
        runRotation = 0.0;
        Invalidate();
        return;
    }
    surface.Reset(width, height);
    RenderShapeOf(wanted.params);
    ShowAtDesignedRotation();
    wanted.source = surface.Source().cacheKey();
    wanted.shown = surface.Current().cacheKey();
    built = std::move(wanted);
    builtValid = true;
}

ShapeParams CPrimitive::CurrentShapeParams() const {
    ShapeParams params;
    params.subtype = subtype;
    params.ang1 = ang1;
    params.ang2 = ang2;
    params.angPct = angPct;
    params.colorF = colorF;
    params.color = color;
    // Colours and width come from the fields; the brush decides between hatch and solid (a
    // script colour change gives a solid brush).
    params.style = fillBrush && fillBrush->style() == Qt::SolidPattern ? -1 : style;
    params.borderColor = borderColor;
    params.borderWidth = borderWidth;
    params.witharc = witharc;
    params.startmark = startmark;
    params.endmark = endmark;
    return params;
}

void CPrimitive::RenderShape() {
    RenderShapeOf(CurrentShapeParams());
}

void CPrimitive::RenderShapeOf(const ShapeParams& params) {
    dw::RenderShape(surface.Edit(ShapeBounds(params, width, height)), params, width, height);
    if (changeColour) surface.ReplaceColourOfCurrent(col1, col2);
    Invalidate();
}

void CPrimitive::ReplaceSurfaceColour(Colour from, Colour to) {
    surface.ReplaceColourOfCurrent(from, to);
    Invalidate();
}

void CPrimitive::RenderContent() {
    RenderShape();
}

}  // namespace dw
