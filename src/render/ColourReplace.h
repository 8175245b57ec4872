#pragma once
// Colour replacement on element bitmaps: every pixel whose red, green and blue each lie
// within 49 of one colour takes another colour. Used by all three visual kinds (their
// "Change color ... with" setting) and by the script action changecolor.
#include <QImage>
#include <QRgb>

#include "platform/Interaction.h"

namespace dw {

// True when each of the pixel's red, green and blue differs from that of colour by less than
// 50 (absolute difference 0 .. 49); the pixel's alpha byte is ignored.
bool ColourMatches(QRgb pixel, Colour colour);

// A 32-bit copy of image (QImage::Format_RGB32) in which every matching pixel is set to to.
// A null image gives a null image.
QImage ReplaceColour(const QImage& image, Colour from, Colour to);

// The same, changing image itself (converted to Format_RGB32 first when it is not).
void ReplaceColourInPlace(QImage& image, Colour from, Colour to);

}  // namespace dw
