#include "render/ColourReplace.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "model/ColourConvert.h"

namespace {

using rendertest::At;

TEST(ColourReplace, EachChannelWithin49MatchesAt50NotAndAlphaIsIgnored) {
    const dw::Colour from = 0x806040;  // r 0x40, g 0x60, b 0x80
    EXPECT_TRUE(dw::ColourMatches(qRgb(0x40 + 49, 0x60 - 49, 0x80 + 49), from));
    EXPECT_FALSE(dw::ColourMatches(qRgb(0x40, 0x60 - 50, 0x80), from));
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(206, 10, 10));  // within 49 of pure red (255, 0, 0)
    image.setPixel(1, 0, qRgb(205, 0, 0));    // exactly 50 away in red
    image.setPixel(2, 0, qRgba(255, 49, 49, 0));
    const QImage out = dw::ReplaceColour(image, 0x0000FF, 0x00FF00);
    EXPECT_EQ(out.format(), QImage::Format_RGB32);
    EXPECT_EQ((std::vector{At(out, 0, 0), At(out, 1, 0), At(out, 2, 0)}),
              (std::vector<dw::Colour>{0x00FF00, 0x0000CD, 0x00FF00}));
    EXPECT_EQ(At(image, 0, 0), 0x0A0ACEu);  // the original is kept
    EXPECT_TRUE(dw::ReplaceColour(QImage(), 0, 1).isNull());
}

}  // namespace
