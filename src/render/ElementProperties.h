#pragma once
// What the OK button of each visual kind's properties dialog does to the element, as
// functions of the dialog's values (the dialogs convert their texts before calling).
#include <string>

#include "platform/Interaction.h"

namespace dw {

class CGraph;
class CPrimitive;
class CText;

// Values shared by the three dialogs.
struct CommonProperties {
    std::string name;
    int x = 10;
    int y = 10;
    int w = 110;
    int h = 110;
    double rotation = 0.0;
    std::string program;
    bool transparent = false;
    Colour transparentColor = 0;
    Colour changeColour = 0;  // "Change color"
    Colour withColour = 0;    // "with"
};

struct ImageProperties : CommonProperties {
    std::string clickProgram;
    std::string file;
};

struct ShapeProperties : CommonProperties {
    std::string subtype = "FillRect";
    std::string styleName = "Solid";  // "Solid", "BDiagonal", "Cross", ...
    Colour colorF = 0;                // "Color": the fill
    Colour color = 0xFFFFFF;          // "Color 2": the gaps of hatches
    Colour borderColor = 0xFFFFFF;
    int borderWidth = 1;
    float ang1 = 0.0f;
    float ang2 = 360.0f;
    float angPct = 50.0f;
    float startmark = 0.0f;
    float endmark = 0.0f;
    bool witharc = false;
};

struct TextProperties : CommonProperties {
    std::string face = "DW_LCD";
    int position = 0;
    int fontStyle = 0;
    int fontWidth = 0;
    int fontHeight = -13;
    int weight = 400;
    Colour color = 0xFFFFFF;
    Colour colorF = 0;
    std::string text;  // as the dialog shows it: line feeds written as backslash n
    Colour borderColor = 0;
    int borderWidth = 0;
};

// The image is loaded again only when its file name, size, rotation or colour replacement
// changed; transparency alone takes effect at the next drawing.
void ApplyImageProperties(CGraph& element, const ImageProperties& values);
// The shape is always rendered again.
void ApplyShapeProperties(CPrimitive& element, const ShapeProperties& values);
// The text is always rendered again; an empty text becomes "123.45".
void ApplyTextProperties(CText& element, const TextProperties& values);

}  // namespace dw
