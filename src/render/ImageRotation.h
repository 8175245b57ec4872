#pragma once
// The rotation of an element's picture about the centre of its rectangle.
//
// The picture of w x h pixels is turned by an angle in degrees (positive turns clockwise on
// screen) into a new picture of the same size: corners that leave the rectangle are cut off
// and the uncovered areas take the fill colour. The transform is that of the element model:
// with theta = -angle in radians, a point (x, y) of the source goes to
//   (x cos theta + y sin theta + dx,  -x sin theta + y cos theta + dy)
// where dx and dy move the centre of the turned picture's bounding box onto the centre
// (w / 2, h / 2), truncated, of the rectangle.
#include <QImage>

#include "platform/Interaction.h"

namespace dw {

struct RotationTransform {
    double m11 = 1.0;  // x' = x * m11 + y * m21 + dx
    double m12 = 0.0;  // y' = x * m12 + y * m22 + dy
    double m21 = 0.0;
    double m22 = 1.0;
    double dx = 0.0;
    double dy = 0.0;
};

// The transform that turns a w x h picture by angleDegrees about its rectangle's centre.
RotationTransform MakeRotationTransform(int w, int h, double angleDegrees);

// The picture turned by angleDegrees, same size, Format_RGB32, uncovered pixels in fill.
// Pixels are copied without blending (nearest pixel), as a plain stretch copy does; the
// translation is taken to whole pixels so that quarter turns move pixels exactly and an
// angle of 0 gives the picture unchanged. A null picture gives a null picture.
QImage RotateImage(const QImage& source, double angleDegrees, Colour fill);
// The same into out, whose bitmap is reused when it has the picture's size, is Format_RGB32
// and is not shared.
void RotateImageInto(const QImage& source, double angleDegrees, Colour fill, QImage& out);

}  // namespace dw
