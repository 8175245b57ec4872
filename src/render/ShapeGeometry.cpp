#include "render/ShapeGeometry.h"

#include <algorithm>
#include <cmath>

namespace dw {

int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -1e9, 1e9));
}

ShapeFrame MakeShapeFrame(int w, int h, int inset) {
    ShapeFrame f;
    f.inset = inset;
    f.cx = inset + (w - 2 * inset) / 2;
    f.cy = (h - inset) - (h - 2 * inset) / 2;
    f.radius = (h - 2 * inset) / 2;
    return f;
}

QPoint PointAt(const ShapeFrame& frame, double angle, double distance) {
    const double theta = (360.0 - angle - 90.0) * 6.283185307179586 / 360.0;
    const double r = -distance;
    return QPoint(TruncToInt(frame.cx + r * std::cos(theta)),
                  TruncToInt(frame.cy - r * std::sin(theta)));
}

int ArcEnd(float ang1, float ang2) {
    int end = TruncToInt(ang2);
    if (ang1 > ang2) end += 360;
    return end;
}

double ArcPosition(float ang1, float ang2, float angPct) {
    const double sweep = TruncToInt((ArcEnd(ang1, ang2) - static_cast<double>(ang1)) *
                                    static_cast<double>(angPct) / 100.0);
    return static_cast<double>(ang1) + sweep;
}

double ClockwiseSweep(double from, double to) {
    if (from == to) return 1.0;
    if (!std::isfinite(from) || !std::isfinite(to)) return 1.0;
    double sweep = std::fmod(to - from, 360.0);
    if (sweep < 0.0) sweep += 360.0;
    return sweep == 0.0 ? 360.0 : sweep;
}

std::vector<double> ScaleTickAngles(float ang1, float ang2, float count) {
    std::vector<double> angles;
    if (!(count > 0.0f)) return angles;
    const double a1 = ang1;
    double a2 = ang2;
    if (ang2 < ang1) a2 += 360.0;
    const double n = count;
    const double d = (a1 == a2 || a1 == a2 - 360.0) ? n : n - 1.0;
    const double step = d == 0.0 ? 0.0 : (a2 - a1) / d;
    const int ticks = TruncToInt(std::min(d, static_cast<double>(kMaxScaleTicks - 1)));
    angles.reserve(static_cast<std::size_t>(std::max(ticks, 0)) + 1);
    angles.push_back(a1);
    for (int k = 0; k < ticks; ++k) angles.push_back(a2 - k * step);
    return angles;
}

}  // namespace dw
