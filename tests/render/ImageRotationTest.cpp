#include "render/ImageRotation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "RenderTestSupport.h"
#include "model/ColourConvert.h"

namespace {

using namespace rendertest;

// A picture whose every pixel has its own colour, to follow pixels through a rotation.
QImage Numbered(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

dw::Colour Source(int x, int y) {
    return dw::FromQRgb(qRgb(x, y, 7));
}

TEST(RotateImage, ZeroAndQuarterTurnsAreExactClockwisePermutations) {
    EXPECT_EQ(dw::RotateImage(Numbered(100, 9), 0.0, 1), Numbered(100, 9));
    const QImage source = Numbered(101, 101);
    const QImage cw = dw::RotateImage(source, 90.0, 0);
    for (int y = 0; y < 101; ++y)
        for (int x = 0; x < 101; ++x)
            ASSERT_EQ(At(cw, 100 - y, x), Source(x, y));  // top-left goes to top-right
    EXPECT_EQ(dw::RotateImage(source, 360.0, 0), source);
    EXPECT_TRUE(dw::RotateImage(QImage(), 10.0, 0).isNull());
    EXPECT_EQ(Count(dw::RotateImage(Numbered(4, 4), std::nan(""), 0x010203), 0x010203), 16);
}

TEST(RotateImage, KeepsTheSizeCutsCornersAndFillsTheRest) {
    // 100 x 50 turned by 90: the turned picture is 50 wide and 100 high about (50, 25).
    QImage source(100, 50, QImage::Format_RGB32);
    source.fill(Qt::white);
    const QImage out = dw::RotateImage(source, 90.0, kGreen);
    ASSERT_EQ(out.size(), QSize(100, 50));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(At(out, x, y), x >= 25 && x < 75 ? kWhite : kGreen) << x << "," << y;
    // 45 degrees clockwise: a ray to the right points down-right, not up-right.
    QImage ray = Black(64, 64);
    for (int x = 32; x < 64; ++x) ray.setPixel(x, 32, qRgb(255, 255, 255));
    const QImage turned = dw::RotateImage(ray, 45.0, 0);
    EXPECT_GT(CountLit(turned, 38, 38, 12, 12), 8);
    EXPECT_EQ(CountLit(turned, 38, 14, 12, 12), 0);
}

// Turning into a kept bitmap gives the pixels of a new one, whatever the bitmap held, and
// never writes into pixels another image shares.
TEST(RotateImage, IntoAKeptBitmapGivesTheSamePixelsAndLeavesSharersAlone) {
    const QImage source = Numbered(9, 6);
    QImage out = Numbered(9, 6);
    const QImage sharer = out;
    for (double angle : {33.0, 71.0, 0.5}) {
        dw::RotateImageInto(source, angle, 0x0000FF, out);
        EXPECT_EQ(out, dw::RotateImage(source, angle, 0x0000FF)) << angle;
    }
    EXPECT_EQ(sharer, Numbered(9, 6));
    QImage self = source;  // turned into itself
    dw::RotateImageInto(self, 90.0, 0, self);
    EXPECT_EQ(self, dw::RotateImage(source, 90.0, 0));
    out = QImage(4, 4, QImage::Format_RGB32);  // another size
    dw::RotateImageInto(source, 10.0, 0, out);
    EXPECT_EQ(out, dw::RotateImage(source, 10.0, 0));
}

}  // namespace
