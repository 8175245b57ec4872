#include "render/ElementProperties.h"

#include <algorithm>

#include "files/AttributeCodec.h"
#include "files/GaugeLimits.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "render/ShapeRenderer.h"

namespace dw {

namespace {

// The dialogs do not check their numbers: places and sizes are kept within the bounds a
// gauge file may hold, so that no rectangle overflows and no surface grows without limit.
int BoundCoordinate(int value) {
    const int limit = GaugeLimits{}.maxCoordinate;
    return std::clamp(value, -limit, limit);
}

int BoundSide(int value) {
    return std::clamp(value, 0, GaugeLimits{}.maxElementSide);
}

// Name, invalidation of the old place, position and the cleared primary link.
void ApplyPlace(CElement& element, const CommonProperties& values) {
    element.name = values.name;
    element.Invalidate();
    element.rect.left = BoundCoordinate(values.x);
    element.rect.top = BoundCoordinate(values.y);
}

void ClearLink(CElement& element) {
    element.linkedServer = 0;
    element.linkedOffset = -1;
}

// Width and height with the rectangle following; true when either changed.
bool ApplySize(CElement& element, const CommonProperties& values) {
    const int w = BoundSide(values.w);
    const int h = BoundSide(values.h);
    const bool changed = w != element.width || h != element.height;
    element.width = w;
    element.rect.right = element.rect.left + w;
    element.height = h;
    element.rect.bottom = element.rect.top + h;
    return changed;
}

}  // namespace

void ApplyImageProperties(CGraph& element, const ImageProperties& values) {
    bool changed = element.SetColourChange(values.changeColour, values.withColour);
    ApplyPlace(element, values);
    ClearLink(element);
    element.mainProgram = EnsureCrLf(values.program);
    element.clickProgram = EnsureCrLf(values.clickProgram);
    element.transparent = values.transparent;
    element.transparentColor = values.transparentColor;
    if (values.rotation != element.rotation) {
        element.rotation = values.rotation;
        changed = true;
    }
    if (ApplySize(element, values)) changed = true;
    if (values.file != element.file || changed) {
        element.surface.Reset(element.width, element.height);
        element.runRotation = 0.0;
        element.SetImageFile(values.file);
    }
    element.Invalidate();
}

void ApplyShapeProperties(CPrimitive& element, const ShapeProperties& values) {
    element.SetColourChange(values.changeColour, values.withColour);
    ApplyPlace(element, values);
    element.rotation = values.rotation;
    ClearLink(element);
    element.ang1 = values.ang1;
    element.ang2 = values.ang2;
    element.angPct = values.angPct;
    element.startmark = values.startmark;
    element.endmark = values.endmark;
    element.witharc = values.witharc;
    element.mainProgram = EnsureCrLf(values.program);
    element.transparent = values.transparent;
    element.transparentColor = values.transparentColor;
    element.borderColor = values.borderColor;
    element.borderWidth = values.borderWidth;
    element.borderPen = MakeBorderPen(element.borderWidth, element.borderColor);
    ApplySize(element, values);
    element.surface.Reset(element.width, element.height);
    element.SetSubtype(values.subtype);
    element.color = values.color;
    element.colorF = values.colorF;
    element.style = StyleFromName(values.styleName);
    element.fillBrush = MakeFillBrush(element.style, element.colorF);
    element.RenderShape();
    element.Rotate(1.0, 0);
    element.Rotate(0.0, 0);
}

void ApplyTextProperties(CText& element, const TextProperties& values) {
    element.SetColourChange(values.changeColour, values.withColour);
    ApplyPlace(element, values);
    element.rotation = values.rotation;
    ClearLink(element);
    element.mainProgram = EnsureCrLf(values.program);
    element.transparent = values.transparent;
    element.transparentColor = values.transparentColor;
    ApplySize(element, values);
    element.face = values.face;
    element.position = values.position;
    element.fontStyle = values.fontStyle;
    element.fontWidth = values.fontWidth;
    element.fontHeight = values.fontHeight;
    element.weight = values.weight;
    element.colorF = values.colorF;
    element.color = values.color;
    element.text = DecodeLiteral(values.text);
    if (element.text.empty()) element.text = CText::kDefaultText;
    element.borderColor = values.borderColor;
    element.borderWidth = values.borderWidth;
    element.borderPen = MakeBorderPen(element.borderWidth, element.borderColor);
    element.SetFont(element.Description(), element.color, element.colorF);
    element.Rebuild();
}

}  // namespace dw
