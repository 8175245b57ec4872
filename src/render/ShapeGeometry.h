#pragma once
// Geometry of the basic graph shapes. Angles are degrees, 0 straight up, growing clockwise
// on screen; all divisions and coordinates truncate toward zero.
#include <QPoint>
#include <vector>

namespace dw {

// Centre and radius of a shape drawn with inset i in a w x h element:
// cx = i + (w - 2i) / 2, cy = (h - i) - (h - 2i) / 2, radius = (h - 2i) / 2 (from the height
// whatever the width).
struct ShapeFrame {
    int inset = 0;
    int cx = 0;
    int cy = 0;
    int radius = 0;
};
ShapeFrame MakeShapeFrame(int w, int h, int inset);

// The point at angle a and distance rho from the centre, computed as
// theta = (360 - a - 90) * 2pi / 360, r = -rho, (cx + r cos theta, cy - r sin theta), each
// coordinate truncated toward zero.
QPoint PointAt(const ShapeFrame& frame, double angle, double distance);

// The arc end of "Pie", "ArcTo" and "ArcFrom": ang2 truncated to whole degrees, plus 360 when
// ang1 > ang2.
int ArcEnd(float ang1, float ang2);
// Their position: ang1 + ((end - ang1) * angPct / 100) truncated to whole degrees.
double ArcPosition(float ang1, float ang2, float angPct);

// A clockwise sweep from one angle to another: exactly equal angles give a one-degree piece,
// angles a whole number of turns apart the full ellipse (360), others the clockwise distance
// in (0, 360).
double ClockwiseSweep(double from, double to);

// The angles at which a scale draws its ticks, in drawing order: count marks evenly from ang1
// to ang2 inclusive, or evenly round the full circle (the first one twice) when the angles
// are 360 apart. No ticks when count is not positive. A fractional count draws the ticks of
// its whole part; at most kMaxScaleTicks are drawn.
inline constexpr int kMaxScaleTicks = 3600;
std::vector<double> ScaleTickAngles(float ang1, float ang2, float count);

// Float parameters come from files and scripts: converts to int by truncation, with NaN as 0
// and values beyond +-1e9 clamped, so that no conversion overflows.
int TruncToInt(double value);

}  // namespace dw
