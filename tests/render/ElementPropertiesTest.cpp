#include "render/ElementProperties.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/CGraph.h"

namespace {

using namespace rendertest;

using ElementPropertiesTest = FileFixture;

// The fields themselves are checked through the properties dialogs in the editor tests; here
// what the element shows afterwards.
TEST_F(ElementPropertiesTest, ImageReloadsOnlyWhenRotationColoursOrSizeChange) {
    Save("red.png", Filled(2, 2, kRed));
    dw::CGraph image(nullptr, {10, 10, 14, 14});
    dw::ImageProperties v;
    std::tie(v.x, v.y, v.w, v.h, v.file) = std::make_tuple(20, 30, 6, 5, "red.png");
    dw::ApplyImageProperties(image, v);
    EXPECT_EQ(Count(image.surface.Current(), kRed), 30);
    // Only place and transparency changed: no reload, the old picture stays.
    Save("red.png", Filled(2, 2, kGreen));
    v.x = 50;
    v.transparent = true;
    dw::ApplyImageProperties(image, v);
    EXPECT_EQ(image.GetRect(), (dw::Rect{50, 30, 56, 35}));
    EXPECT_EQ(Count(image.surface.Current(), kRed), 30);
    v.rotation = 180.0;  // a new rotation reloads
    dw::ApplyImageProperties(image, v);
    EXPECT_EQ(Count(image.surface.Current(), kGreen), 30);
    std::tie(v.changeColour, v.withColour) = std::make_tuple(kGreen, kBlue);  // so do colours
    dw::ApplyImageProperties(image, v);
    EXPECT_EQ(Count(image.surface.Current(), kBlue), 30);
    v.h = 3;  // and a new size
    dw::ApplyImageProperties(image, v);
    EXPECT_EQ(image.surface.Current().size(), QSize(6, 3));
}

}  // namespace
