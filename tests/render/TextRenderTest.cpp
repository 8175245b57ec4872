#include "render/TextRenderer.h"

#include <gtest/gtest.h>
#include <QFontMetricsF>

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

TEST(TextFont, DescriptionBecomesTheFont) {
    dw::FontDescription d{.face = "DejaVu Sans", .height = -20, .weight = 700, .style = 5};
    const QFont font = dw::MakeFont(d);  // style 5: italic and underlined
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_TRUE(font.italic() && font.underline() && !font.strikeOut());
    EXPECT_EQ(font.weight(), QFont::Bold);
    d.style = 2;
    EXPECT_TRUE(dw::MakeFont(d).strikeOut());
    d.width = 4;  // a width narrows the characters
    EXPECT_LT(QFontMetricsF(dw::MakeFont(d)).averageCharWidth(),
              QFontMetricsF(font).averageCharWidth());
    d = {.face = "DejaVu Sans", .height = 30};  // a positive height is the cell
    EXPECT_NEAR(QFontMetricsF(dw::MakeFont(d)).height(), 30.0, 1.5);
    // Other faces keep their names, cut at 31 characters (the default face shows in the text
    // element tests).
    EXPECT_EQ(dw::MapFaceName("Arial"), QStringLiteral("Arial"));
    EXPECT_EQ(dw::MapFaceName(std::string(40, 'x')).size(), 31);
}

// The alignments and line layouts have their golden images.
TEST(RenderText, TabsWidenTheLine) {
    const auto ink = [](const std::string& s) { return InkBox(Text(s, 120, 60), 0); };
    EXPECT_GT(ink("A\tB").width(), ink("A B").width());
}

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
