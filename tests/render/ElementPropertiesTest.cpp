#include "render/ElementProperties.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"

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

TEST_F(ElementPropertiesTest, ShapeIsAlwaysRenderedAgainFromBlack) {
    dw::CPrimitive shape(nullptr, {0, 0, 10, 10});
    dw::ShapeProperties v;
    std::tie(v.x, v.y, v.w, v.h) = std::make_tuple(3, 4, 8, 8);
    std::tie(v.styleName, v.colorF, v.color, v.borderWidth) =
        std::make_tuple("Cross", kWhite, kRed, 0);
    dw::ApplyShapeProperties(shape, v);
    // White cross lines on red gaps over the whole element.
    EXPECT_EQ(Count(shape.surface.Current(), kWhite), 15);
    EXPECT_EQ(Count(shape.surface.Current(), kRed), 49);
    v.subtype = "Scale";
    std::tie(v.ang1, v.ang2, v.angPct, v.startmark) = std::make_tuple(0.f, 360.f, 4.f, -0.5f);
    std::tie(v.styleName, v.borderWidth, v.borderColor) = std::make_tuple("Sideways", 1, kGreen);
    dw::ApplyShapeProperties(shape, v);
    EXPECT_EQ(std::make_pair(shape.style, shape.borderColorOnly), std::make_pair(-1, true));
    EXPECT_GT(Count(shape.surface.Current(), kGreen), 4);
    EXPECT_EQ(Count(shape.surface.Current(), kWhite), 0);
}

}  // namespace
