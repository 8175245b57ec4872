// CText: rendering the text, rotating and drawing it.
#include "render/CText.h"
#include "render/ShapeRenderer.h"
#include "render/TextRenderer.h"

#include "model/ColourConvert.h"

namespace dw {

namespace {

bool SameDescription(const FontDescription& a, const FontDescription& b) {
    return a.face == b.face && a.height == b.height && a.width == b.width && a.weight == b.weight &&
           a.style == b.style;
}

bool SameParams(const TextParams& a, const TextParams& b) {
    return SameDescription(a.font, b.font) && a.position == b.position && a.color == b.color &&
           a.colorF == b.colorF && a.borderColor == b.borderColor && a.borderWidth == b.borderWidth;
}

}  // namespace

bool CText::AlreadyRendered(const RenderedText& wanted) const {
    const RenderedText& r = rendered;
    return renderedValid && r.bitmap == surface.Current().cacheKey() && r.text == wanted.text &&
           r.width == wanted.width && r.height == wanted.height &&
           r.changeColour == wanted.changeColour &&
           (!wanted.changeColour || (r.col1 == wanted.col1 && r.col2 == wanted.col2)) &&
           SameParams(r.params, wanted.params) && r.font == wanted.font;
}

void CText::CreateSurface() {
    borderPen = MakeBorderPen(borderWidth, borderColor);
    SetFont(Description(), color, colorF);
    surface.Reset(width, height);
    RenderText(text);
    ShowAtDesignedRotation();
}

FontDescription CText::Description() const {
    FontDescription d;
    d.face = face;
    d.height = fontHeight;
    d.width = fontWidth;
    d.weight = weight;
    d.style = fontStyle;
    return d;
}

void CText::SetFont(const FontDescription& description, Colour textColour, Colour background) {
    font = MakeFont(description);
    fontMadeFrom = description;
    fontMade = true;
    color = textColour;
    colorF = background;
    fillBrush = QBrush(ToQColor(colorF));
}

void CText::Draw(QPainter& painter) {
    DrawCommon(painter, surface.Current());
}

void CText::Rotate(double degrees, Colour fill) {
    if (degrees == runRotation) return;
    runRotation = degrees;
    surface.ShowRotated(degrees + rotation, fill);
    Invalidate();
}

// What Rotate(1.0, 0) and Rotate(0.0, 0) give together (the first call only makes sure that
// the second renders), without turning the whole bitmap once for nothing.
void CText::ShowAtDesignedRotation() {
    runRotation = 0.0;
    surface.ShowRotated(rotation, 0);
    Invalidate();
}

void CText::Rebuild() {
    surface.Reset(width, height);
    RenderText(text);
    ShowAtDesignedRotation();
}

void CText::RenderText(const std::string& s) {
    const FontDescription description = Description();
    if (!fontMade || !SameDescription(description, fontMadeFrom)) {
        font = MakeFont(description);
        fontMadeFrom = description;
        fontMade = true;
    }
    RenderedText wanted;
    wanted.params.font = description;
    wanted.params.position = position;
    wanted.params.color = color;
    wanted.params.colorF = colorF;
    wanted.params.borderColor = borderColor;
    wanted.params.borderWidth = borderWidth;
    wanted.font = font;
    wanted.changeColour = changeColour;
    wanted.col1 = col1;
    wanted.col2 = col2;
    wanted.width = width;
    wanted.height = height;
    wanted.text = s;
    if (AlreadyRendered(wanted)) {
        Invalidate();
        return;
    }
    dw::RenderText(surface.Current(), wanted.params, font, s, width, height);
    if (changeColour) surface.ReplaceColourOfCurrent(col1, col2);
    wanted.bitmap = surface.Current().cacheKey();
    rendered = std::move(wanted);
    renderedValid = true;
    Invalidate();
}

void CText::ReplaceSurfaceColour(Colour from, Colour to) {
    surface.ReplaceColourOfCurrent(from, to);
    Invalidate();
}

void CText::RenderContent() {
    RenderText(text);
}

}  // namespace dw
