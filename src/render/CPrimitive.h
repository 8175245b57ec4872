#pragma once
// CPrimitive: the basic graph element (kind 2, type word "primitive"). It draws a shape
// from parameters: a filled rectangle, a pie sector, an arc, a radial needle, a bug or a
// dial scale (subtypes "FillRect", "Pie", "ArcTo", "ArcFrom", "Radius", "Bug", "Scale").
// The shape name lives in CElement::subtype, the angles in ang1, ang2 and angPct, the
// colours in color, colorF, borderColor and borderWidth.
//
// This file pair holds the element's data and its gauge-file form; the drawing operations
// (Draw, Rotate, Rebuild, CreateSurface) live in CPrimitiveDraw.cpp.
#include <cstdint>

#include "files/XmlNode.h"
#include "model/CElement.h"
#include "render/ElementSurface.h"
#include "render/ShapeRenderer.h"

namespace dw {

class CPrimitive : public CElement {
public:
    // A new basic graph over rect: "FillRect", angles 0 and 360 at 50 %, solid black fill,
    // white one-pixel border, no marks.
    CPrimitive(IElementOwner* owner, const Rect& rect);
    // The loading constructor: reads an "element" node of type "primitive", renders the
    // shape and sets loadedOk (left false when the rectangle is beyond the gauge limits).
    CPrimitive(const XmlNode& node, IElementOwner* owner);
    ~CPrimitive() override;

    // "type", "name", "subtype", "style", "locked", "left", "top", "right", "width",
    // "height", "rot", "btr", "ntr", "col1", "col2", "ang1", "ang2", "angpct",
    // "bordercolor", "borderwith", "witharc", "startmark", "endmark", "color", "colorf";
    // child "program".
    XmlNode& ToXml() override;
    void Draw(QPainter& painter) override;
    void Rotate(double degrees, Colour fill) override;
    void Rebuild() override;
    std::int64_t SurfaceBytes() const override {
        return CElement::SurfaceBytes() + surface.ChargedBytes();
    }

    // Sets subtype and borderColorOnly (true for the shapes drawn with lines only).
    void SetSubtype(const std::string& shape);

    std::int32_t style = -1;  // 0 .. 5 a hatch pattern, anything else solid
    bool witharc = false;     // a scale also draws its arc
    float startmark = 0.0f;
    float endmark = 0.0f;

    // Drawing state
    // Draws the shape of the current parameters over the bitmap shown (without clearing
    // it), then replaces col1 by col2 when changeColour.
    void RenderShape();
    // changecolor: replaces from by to (each channel within 49) in the bitmap shown.
    void ReplaceSurfaceColour(Colour from, Colour to) override;
    // Script colour changes and prints: draws the content again over the bitmap shown.
    void RenderContent() override;
    // A new solid pen of borderWidth and borderColor, and a new brush of style and colorF.
    void MakePenAndBrush();

    ElementSurface surface;

private:
    // What the last Rebuild drew, and the cache keys of the source and the bitmap shown right
    // after it. A rebuild with the same shape over that untouched result gives the same
    // pixels, so it is skipped (a needle whose value did not change costs nothing).
    struct BuiltShape {
        ShapeParams params;
        bool changeColour = false;
        Colour col1 = 0;
        Colour col2 = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
        double rotation = 0.0;
        qint64 source = 0;
        qint64 shown = 0;
        bool operator==(const BuiltShape&) const = default;
    };
    // The shape of the current fields.
    ShapeParams CurrentShapeParams() const;
    // RenderShape with the shape of the current fields already at hand.
    void RenderShapeOf(const ShapeParams& params);

    BuiltShape built;
    bool builtValid = false;

    // runRotation 0 and the surface shown at the designed rotation, corners black.
    void ShowAtDesignedRotation();
    void CreateSurface();
};

}  // namespace dw
