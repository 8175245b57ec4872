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

bool CText::AlreadyRendered(const TextParams& params, const std::string& s) const {
    const RenderedText& r = rendered;
    return renderedValid && r.bitmap == surface.Current().cacheKey() && r.text == s &&
           r.width == width && r.height == height && r.changeColour == changeColour &&
           (!changeColour || (r.col1 == col1 && r.col2 == col2)) && SameParams(r.params, params) &&
           r.font == font;
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
    const TextParams params{.font = description,
                            .position = position,
                            .color = color,
                            .colorF = colorF,
                            .borderColor = borderColor,
                            .borderWidth = borderWidth};
    if (AlreadyRendered(params, s)) {
        Invalidate();
        return;
    }
    if (!toolsMade || toolsColor != color || toolsColorF != colorF || !(tools.font == font)) {
        tools = MakeTextTools(params, font);
        toolsColor = color;
        toolsColorF = colorF;
        toolsMade = true;
    }
    dw::RenderText(surface.Edit(), params, tools, s, width, height);
    if (changeColour) surface.ReplaceColourOfCurrent(col1, col2);
    // Kept field by field: a fresh record would make a default font, which is not cheap.
    rendered.text = s;
    rendered.params = params;
    rendered.font = font;
    rendered.changeColour = changeColour;
    rendered.col1 = col1;
    rendered.col2 = col2;
    rendered.width = width;
    rendered.height = height;
    rendered.bitmap = surface.Current().cacheKey();
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
