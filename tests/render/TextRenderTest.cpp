#include "render/TextRenderer.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"

namespace {

using namespace rendertest;

// The bounding box of the pixels that are neither background nor border colour.
QRect InkBox(const QImage& image, dw::Colour background, dw::Colour border = 0xFFFFFFFF) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != background && At(image, x, y) != border)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Text(const std::string& s, int w, int h, dw::TextParams p = {}, int pixels = 12) {
    p.font.face = "DejaVu Sans";
    p.font.height = -pixels;
    QImage image = Black(w, h);
    dw::RenderText(image, p, s, w, h);
    return image;
}

// The alignments and line layouts have their golden images.
TEST(RenderText, BorderBoxClipsTheText) {
    const QImage image =
        Text("WWWWWWWWWWWWWWW", 100, 40, {.font = {}, .borderColor = kRed, .borderWidth = 4}, 40);
    // The border rectangle (2, 2)-(96, 36) outlined with a 4 pixel pen.
    EXPECT_EQ(At(image, 2, 20), kRed);
    EXPECT_EQ(At(image, 93, 20), kRed);
    const QRect ink = InkBox(image, 0, kRed);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(QPoint(5, 4), QPoint(92, 33)).contains(ink));
    EXPECT_EQ(dw::TextBox(100, 40, 1), QRect(3, 2, 93, 35));
    EXPECT_TRUE(dw::TextBox(6, 4, 4).isEmpty());
}

}  // namespace
