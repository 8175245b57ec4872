#pragma once
// The pixels of ellipses and elliptic arcs as the basic graph draws them with a thin pen:
// one pixel thin, mirror-symmetric, and for arcs chosen by their direction from the centre.
#include <QPoint>
#include <vector>

namespace dw {

// A box of whole pixels, edges included.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;   // last column
    int bottom = 0;  // last row

    bool IsEmpty() const { return right < left || bottom < top; }
    double CentreX() const { return (left + right) / 2.0; }
    double CentreY() const { return (top + bottom) / 2.0; }
};

// The ellipse inscribed in the box, clockwise from the top, each pixel once.
std::vector<QPoint> EllipseRing(const PixelBox& box);

// Direction of a pixel from the box's centre: degrees in [0, 360), 0 up, clockwise.
double DirectionFromCentre(const PixelBox& box, QPoint p);

// The pixels of the arc clockwise from the direction `from` over `sweep` degrees (360 the
// whole ellipse), in drawing order. The pixels nearest to the two end directions are always
// part of it, so a short arc has at least one pixel.
std::vector<QPoint> ArcPixels(const PixelBox& box, double from, double sweep);

}  // namespace dw
