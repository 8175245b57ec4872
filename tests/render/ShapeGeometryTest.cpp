#include "render/ShapeGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using ::testing::ElementsAre;

// The frame itself shows in the needle pixels of the shape tests.
TEST(ShapeGeometry, PointsAreCutTowardZero) {
    const dw::ShapeFrame f = dw::MakeShapeFrame(101, 101, 1);
    EXPECT_EQ(dw::PointAt(f, 270.0, 49.5), QPoint(0, 51));
    EXPECT_EQ(dw::PointAt(f, 45.0, 49.0), QPoint(84, 16));  // 50 + 34.6, 51 - 34.6
    // Near the centre line the last bits of the cosine of a quarter decide the pixel.
    const dw::ShapeFrame edge{1, 0, 10, 5};
    EXPECT_EQ(dw::PointAt(edge, 180.0, 5.0), QPoint(0, 15));
    EXPECT_EQ(dw::PointAt(edge, 0.0, 5.0), QPoint(0, 5));
}

TEST(ShapeGeometry, ScaleTicksFromStartToEndAndBounded) {
    EXPECT_THAT(dw::ScaleTickAngles(270.0f, 90.0f, 3.0f), ElementsAre(270.0, 450.0, 360.0));
    EXPECT_TRUE(dw::ScaleTickAngles(0.0f, 90.0f, -3.0f).empty());
    EXPECT_EQ(dw::ScaleTickAngles(0.0f, 100.0f, 1e30f).size(),
              static_cast<std::size_t>(dw::kMaxScaleTicks));
    EXPECT_TRUE(dw::ScaleTickAngles(0.0f, 100.0f, std::numeric_limits<float>::quiet_NaN()).empty());
    EXPECT_EQ(dw::TruncToInt(-2.7), -2);
    EXPECT_EQ(dw::TruncToInt(1e300), 1000000000);
    EXPECT_EQ(dw::TruncToInt(std::nan("")), 0);
}

}  // namespace
