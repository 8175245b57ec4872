#include "model/FramePens.h"

#include "model/ColourConvert.h"
#include "platform/AppSettings.h"

namespace dw {

namespace {
// Width-2 pens with square ends and mitred corners: a frame line at one pixel inside an
// edge covers exactly the two outermost pixel rows (or columns) of the rectangle.
QPen FramePen(Colour colour) {
    return QPen(QBrush(ToQColor(colour)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}
}  // namespace

FramePens::FramePens(Colour background)
    : background(background),
      whitePen(FramePen(kFrameWhite)),
      redPen(FramePen(kFrameRed)),
      bluePen(FramePen(kFrameBlue)),
      blueBrush(ToQColor(kFrameBlue)) {
    SetBackground(background);
}

void FramePens::SetBackground(Colour colour) {
    background = colour;
    // A cosmetic 1-pixel dotted line: three pixels on, three off.
    dottedPen = QPen(QBrush(ToQColor(InverseColour(colour))), 1.0, Qt::CustomDashLine, Qt::FlatCap,
                     Qt::MiterJoin);
    dottedPen.setDashPattern({3.0, 3.0});
    dottedPen.setCosmetic(true);
}

const FramePens& FramePens::Defaults() {
    static const FramePens defaults(kDefaultBackColour);
    return defaults;
}

}  // namespace dw
