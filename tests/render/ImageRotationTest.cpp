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

// The plain turning loop, every destination pixel tested and its source position advanced
// one pixel at a time. The turning skips and copies stretches without testing; it must give
// these pixels exactly.
QImage TurnedPixelByPixel(const QImage& src, double angle, dw::Colour fill) {
    const int w = src.width();
    const int h = src.height();
    const dw::RotationTransform t = dw::MakeRotationTransform(w, h, angle);
    const double dx = std::floor(std::round(t.dx * 1e6) / 1e6 + 0.5);
    const double dy = std::floor(std::round(t.dy * 1e6) / 1e6 + 0.5);
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const double ry = y + 0.5 - dy;
        double sx = (0.5 - dx) * t.m11 - ry * t.m21;
        double sy = (0.5 - dx) * t.m21 + ry * t.m11;
        for (int x = 0; x < w; ++x, sx += t.m11, sy += t.m21)
            out.setPixel(x, y,
                         sx >= 0 && sx < w && sy >= 0 && sy < h
                             ? src.pixel(static_cast<int>(sx), static_cast<int>(sy))
                             : dw::ToQRgb(fill));
    }
    return out;
}

TEST(RotateImage, GivesThePixelsOfThePlainLoopForEverySizeAndAngle) {
    const QSize sizes[] = {{1, 1},  {1, 7},   {7, 1},   {2, 2},   {3, 5},   {16, 9},  {30, 6},
                           {6, 30}, {38, 36}, {37, 35}, {64, 64}, {79, 49}, {80, 50}, {49, 80}};
    const double angles[] = {0.0,        1e-12,  -1e-9,   0.25,   12.345,   45.0,
                             89.9999999, 90.0,   135.0,   179.99, 180.0,    270.0,
                             -33.3,      -270.0, 359.999, 725.5,  1e7 + 0.3};
    for (const QSize& size : sizes) {
        const QImage source = Numbered(size.width(), size.height());
        for (double angle : angles)
            for (dw::Colour fill : {dw::Colour(0), dw::Colour(0x123456)}) {
                QImage out;
                dw::RotateImageInto(source, angle, fill, out);
                ASSERT_EQ(out, TurnedPixelByPixel(source, angle, fill))
                    << size.width() << "x" << size.height() << " at " << angle << " fill " << fill;
            }
    }
}

}  // namespace
