#pragma once
// Drawing of the basic graph shapes ("FillRect", "Pie", "ArcTo", "ArcFrom", "Radius", "Bug",
// "Scale") from plain parameters onto a bitmap, without clearing it first.
#include <QBrush>
#include <QImage>
#include <QPen>
#include <string>

#include "platform/Interaction.h"

namespace dw {

struct ShapeParams {
    std::string subtype = "FillRect";
    float ang1 = 0.0f;
    float ang2 = 360.0f;
    float angPct = 50.0f;
    Colour colorF = 0;        // fill (brush) colour
    Colour color = 0xFFFFFF;  // background of hatched fills
    int style = -1;           // 0 .. 5 a hatch pattern, anything else solid
    Colour borderColor = 0xFFFFFF;
    int borderWidth = 1;
    bool witharc = false;
    float startmark = 0.0f;
    float endmark = 0.0f;

    bool operator==(const ShapeParams&) const = default;
};

// Pen widths are kept within 0 .. kMaxPenWidth.
inline constexpr int kMaxPenWidth = 1000;

// The solid pen of a width and colour (width 0 and 1 draw one pixel wide).
QPen MakeBorderPen(int width, Colour colour);
// The fill brush: the hatch pattern style (0 horizontal, 1 vertical, 2 forward diagonal,
// 3 backward diagonal, 4 cross, 5 diagonal cross) in colour, or solid for any other style.
QBrush MakeFillBrush(int style, Colour colour);
// The style number of a style name of the properties dialog ("BDiagonal" 3, "Cross" 4,
// "DiagCross" 5, "FDiagonal" 2, "Horizontal" 0, "Vertical" 1, anything else -1).
int StyleFromName(const std::string& name);
// Whether a subtype draws lines only, so that its colour statements act on the border.
bool IsBorderColourOnly(const std::string& subtype);

// Draws the shape of params for an element of w x h pixels onto target (w and h are the
// element's size; the target may be smaller). Unknown subtypes draw nothing.
void RenderShape(QImage& target, const ShapeParams& params, int w, int h);
// Where RenderShape(params, w, h) may draw: the needle's surroundings for a "Radius",
// everywhere for the other subtypes.
QRect ShapeBounds(const ShapeParams& params, int w, int h);

}  // namespace dw
