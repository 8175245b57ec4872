#pragma once
// CText: the text element (kind 1, type word "text"). It shows a short text in a chosen
// font, colours, alignment and optional border; scripts replace the text at run time.
//
// This file pair holds the element's data and its gauge-file form; the drawing operations
// (Draw, Rotate, Rebuild, CreateSurface) live in CTextDraw.cpp.
#include <QFont>
#include <cstdint>
#include <string>

#include "files/XmlNode.h"
#include "model/CElement.h"
#include "render/ElementSurface.h"
#include "render/TextFont.h"
#include "render/TextRenderer.h"

namespace dw {

class CText : public CElement {
public:
    inline static const char* const kDefaultText = "123.45";

    // A new text element over rect: "123.45" in white on black, font "DW_LCD" with
    // characters 13 pixels high, top-left aligned, no border.
    CText(IElementOwner* owner, const Rect& rect);
    // The loading constructor: reads an "element" node of type "text" with its "fontdesc"
    // child, renders the text and sets loadedOk (left false when the rectangle is beyond
    // the gauge limits).
    CText(const XmlNode& node, IElementOwner* owner);
    ~CText() override;

    // "type", "name", "locked", "left", "top", "right", "width", "height", "rot",
    // "bordercolor", "borderwith", "literal", "btr", "ntr", "col1", "col2"; children
    // "fontdesc" ("face", "position", "style", "width", "height", "weight", "color",
    // "colorf") and "program".
    XmlNode& ToXml() override;
    void Draw(QPainter& painter) override;
    void Rotate(double degrees, Colour fill) override;
    void Rebuild() override;
    std::int64_t SurfaceBytes() const override {
        return CElement::SurfaceBytes() + surface.ChargedBytes();
    }

    // Font description (the "fontdesc" child).
    std::string face = "DW_LCD";
    std::int32_t position = 0;      // horizontal 0 left, 1 centre, 2 right; + vertical 0, 4, 8
    std::int32_t fontStyle = 0;     // sum of 1 italic, 2 strike-out, 4 underline
    std::int32_t fontWidth = 0;     // average character width, 0 for the font's own
    std::int32_t fontHeight = -13;  // negative: character height in pixels
    std::int32_t weight = 400;

    // Drawing state
    // The font description of the fields.
    FontDescription Description() const;
    // Makes the font from the font fields, stores the colours and makes the solid
    // background brush.
    void SetFont(const FontDescription& description, Colour textColour, Colour background);
    // Draws s (callers pass text) over the bitmap shown: background or border box, then the
    // text in its box; then replaces col1 by col2 when changeColour.
    void RenderText(const std::string& s);
    // changecolor: replaces from by to (each channel within 49) in the bitmap shown.
    void ReplaceSurfaceColour(Colour from, Colour to) override;
    // Script colour changes and prints: draws the content again over the bitmap shown.
    void RenderContent() override;

    ElementSurface surface;
    QFont font;
    // The description font was made from; RenderText makes it again when the fields differ.
    FontDescription fontMadeFrom;
    bool fontMade = false;

private:
    // What the last RenderText drew, and the cache key of the bitmap shown right after it.
    // Drawing the same text with the same settings again over that untouched bitmap gives
    // the same pixels (the background is repainted under it and the colour replacement
    // finds nothing more to do), so it is skipped.
    struct RenderedText {
        std::string text;
        TextParams params;
        QFont font;
        bool changeColour = false;
        Colour col1 = 0;
        Colour col2 = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
        qint64 bitmap = 0;
    };
    bool AlreadyRendered(const TextParams& params, const std::string& s) const;

    RenderedText rendered;
    bool renderedValid = false;
    // The painting tools of font, color and colorF, made again when one of them changes.
    TextTools tools;
    Colour toolsColor = 0;
    Colour toolsColorF = 0;
    bool toolsMade = false;

    // runRotation 0 and the surface shown at the designed rotation, corners black.
    void ShowAtDesignedRotation();
    void CreateSurface();
};

}  // namespace dw
