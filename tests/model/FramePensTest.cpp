// The shared frame pens and the colour conversions.
#include <gtest/gtest.h>

#include "model/ColourConvert.h"
#include "model/FramePens.h"
#include "model/Geometry.h"

namespace {

using namespace dw;

TEST(ColourConvert, RedIsTheLowByte) {
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0xC40000), QColor(0, 0, 0xC4));
    EXPECT_EQ(ToQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(FromQColor(QColor(1, 2, 3, 4)), 0x030201u);  // alpha dropped
    EXPECT_EQ(ToQRgb(0x563412), 0xFF123456u);
    EXPECT_EQ(ToQRgb(0xFF563412), 0xFF123456u);  // bits above 24 ignored
    EXPECT_EQ(FromQRgb(0x80123456), 0x563412u);
    for (Colour c : {0x000000u, 0xFFFFFFu, 0x808080u, 0x010203u}) {
        EXPECT_EQ(FromQColor(ToQColor(c)), c);
        EXPECT_EQ(FromQRgb(ToQRgb(c)), c);
    }
}

TEST(FramePens, ColoursAndWidths) {
    FramePens pens(0x808080);
    EXPECT_EQ(FromQColor(pens.WhitePen().color()), 0xFFFFFFu);
    EXPECT_EQ(FromQColor(pens.RedPen().color()), 0x0000FFu);
    EXPECT_EQ(FromQColor(pens.BluePen().color()), 0xC40000u);
    EXPECT_EQ(FromQColor(pens.BlueBrush().color()), 0xC40000u);
    EXPECT_EQ(pens.BlueBrush().style(), Qt::SolidPattern);
    EXPECT_EQ(pens.WhitePen().width(), 2);
    EXPECT_EQ(pens.RedPen().width(), 2);
    EXPECT_EQ(pens.BluePen().width(), 2);
    EXPECT_EQ(pens.DottedPen().width(), 1);
    EXPECT_NE(pens.DottedPen().style(), Qt::SolidLine);
}

TEST(FramePens, TheDottedPenShowsOnTheBackground) {
    FramePens pens(0x808080);
    EXPECT_EQ(FromQColor(pens.DottedPen().color()), 0x000000u);
    pens.SetBackground(0x000000);
    EXPECT_EQ(pens.Background(), 0x000000u);
    EXPECT_EQ(FromQColor(pens.DottedPen().color()), 0xFFFFFFu);
    pens.SetBackground(0x80FF00);
    EXPECT_EQ(FromQColor(pens.DottedPen().color()), 0x0000FFu);
    EXPECT_EQ(FromQColor(FramePens::Defaults().DottedPen().color()), 0x000000u);
}

TEST(Geometry, RectanglesExcludeRightAndBottom) {
    const Rect r{10, 20, 30, 25};
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 5);
    EXPECT_TRUE(r.Contains(10, 20));
    EXPECT_FALSE(r.Contains(30, 20));
    EXPECT_FALSE(r.Contains(10, 25));
    EXPECT_EQ(ToQRect(r), QRect(10, 20, 20, 5));
    EXPECT_EQ(FromQRect(QRect(10, 20, 20, 5)), r);
    EXPECT_EQ(r.Offset(-10, 5), (Rect{0, 25, 20, 30}));
    EXPECT_TRUE((Rect{5, 5, 5, 9}).IsEmpty());
}

}  // namespace
