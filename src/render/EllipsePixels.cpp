#include "render/EllipsePixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace dw {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr int kMaxQuadrantSteps = 1 << 16;

// centre + offset to a whole pixel, halves rounded away from the centre, so that pixels
// mirror exactly about whole and half-pixel centres.
int RoundAbout(double centre, double offset) {
    if (centre == std::floor(centre)) return static_cast<int>(centre + std::round(offset));
    return static_cast<int>(std::floor(centre + offset + 0.5));
}

// The quarter from the top to the right end, thinned to one pixel.
std::vector<QPoint> TopRightQuarter(const PixelBox& box) {
    const double cx = box.CentreX();
    const double cy = box.CentreY();
    const double a = (box.right - box.left) / 2.0;
    const double b = (box.bottom - box.top) / 2.0;
    const int steps =
        std::clamp(static_cast<int>(std::ceil(std::max(a, b) * 8.0)), 4, kMaxQuadrantSteps);
    std::vector<QPoint> points;
    for (int k = 0; k <= steps; ++k) {
        const double t = (90.0 - 90.0 * k / steps) / kDegreesPerRadian;
        const QPoint p(RoundAbout(cx, a * std::cos(t)), RoundAbout(cy, -b * std::sin(t)));
        if (!points.empty() && points.back() == p) continue;
        // An inner corner of a staircase (its neighbours touch diagonally) goes.
        const std::size_t n = points.size();
        if (n >= 2 && std::abs(points[n - 2].x() - p.x()) == 1 &&
            std::abs(points[n - 2].y() - p.y()) == 1)
            points.back() = p;
        else
            points.push_back(p);
    }
    return points;
}

double ClockwiseDistance(double from, double to) {
    double d = std::fmod(to - from, 360.0);
    if (d < 0.0) d += 360.0;
    return d;
}

double AngularGap(double a, double b) {
    const double d = ClockwiseDistance(a, b);
    return std::min(d, 360.0 - d);
}

}  // namespace

std::vector<QPoint> EllipseRing(const PixelBox& box) {
    std::vector<QPoint> ring;
    if (box.IsEmpty()) return ring;
    const std::vector<QPoint> quarter = TopRightQuarter(box);
    const int mx = box.left + box.right;  // x mirrors to mx - x
    const int my = box.top + box.bottom;
    const auto add = [&ring](QPoint p) {
        if (ring.empty() || ring.back() != p) ring.push_back(p);
    };
    for (const QPoint& p : quarter) add(p);  // top to right
    for (auto it = quarter.rbegin(); it != quarter.rend(); ++it)
        add({it->x(), my - it->y()});                               // to bottom
    for (const QPoint& p : quarter) add({mx - p.x(), my - p.y()});  // to left
    for (auto it = quarter.rbegin(); it != quarter.rend(); ++it)
        add({mx - it->x(), it->y()});  // to top
    while (ring.size() > 1 && ring.back() == ring.front()) ring.pop_back();
    // The mirrored quarters may leave a corner where they meet; remove any pixel whose
    // neighbours along the ring touch each other diagonally.
    std::vector<QPoint> thin;
    thin.reserve(ring.size());
    const std::size_t n = ring.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint& prev = ring[(i + n - 1) % n];
        const QPoint& next = ring[(i + 1) % n];
        const bool corner = n > 4 && std::abs(prev.x() - next.x()) == 1 &&
                            std::abs(prev.y() - next.y()) == 1 &&
                            (ring[i].x() == prev.x() || ring[i].y() == prev.y()) &&
                            (ring[i].x() == next.x() || ring[i].y() == next.y());
        if (!corner) thin.push_back(ring[i]);
    }
    return thin;
}

double DirectionFromCentre(const PixelBox& box, QPoint p) {
    const double dx = p.x() - box.CentreX();
    const double dy = p.y() - box.CentreY();
    if (dx == 0.0 && dy == 0.0) return 0.0;
    double angle = std::atan2(dx, -dy) * kDegreesPerRadian;
    if (angle < 0.0) angle += 360.0;
    return angle;
}

std::vector<QPoint> ArcPixels(const PixelBox& box, double from, double sweep) {
    const std::vector<QPoint> ring = EllipseRing(box);
    if (ring.empty() || !std::isfinite(from) || !std::isfinite(sweep)) return {};
    const double to = from + sweep;
    const bool whole = sweep >= 360.0;
    std::vector<double> distance(ring.size());
    std::size_t nearestStart = 0;
    std::size_t nearestEnd = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const double direction = DirectionFromCentre(box, ring[i]);
        distance[i] = ClockwiseDistance(from, direction);
        if (AngularGap(direction, from) <
            AngularGap(DirectionFromCentre(box, ring[nearestStart]), from))
            nearestStart = i;
        if (AngularGap(direction, to) < AngularGap(DirectionFromCentre(box, ring[nearestEnd]), to))
            nearestEnd = i;
    }
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (whole || i == nearestStart || i == nearestEnd || distance[i] <= sweep + 1e-9)
            chosen.push_back(i);
    }
    // Order along the arc; the end pixels sit at its two ends even when they lie a little
    // outside the swept directions.
    const auto key = [&](std::size_t i) {
        if (!whole && i == nearestStart) return -1.0;
        if (!whole && i == nearestEnd && distance[i] > sweep) return sweep;
        return distance[i];
    };
    std::stable_sort(chosen.begin(), chosen.end(),
                     [&](std::size_t x, std::size_t y) { return key(x) < key(y); });
    std::vector<QPoint> pixels;
    pixels.reserve(chosen.size() + 1);
    for (std::size_t i : chosen) pixels.push_back(ring[i]);
    if (whole && pixels.size() > 1) pixels.push_back(pixels.front());  // closes the ring
    return pixels;
}

}  // namespace dw
