#include "render/ShapeGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using ::testing::ElementsAre;

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
