#include "render/ShapeRenderer.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/EllipsePixels.h"

namespace {

using namespace rendertest;
using dw::ShapeParams;

struct Pixel {
    QPoint at;
    dw::Colour colour;
};

// A shape on a black image (every subtype also has its golden image): the colours of some pixels,
// rectangles that stay black and the range of the number of lit pixels.
struct PixelCase {
    const char* label;
    int w, h;
    ShapeParams params;
    std::vector<Pixel> pixels;
    std::vector<QRect> dark = {};
    int litMin = 0, litMax = 1 << 30;
};

TEST(RenderShape, FixedGeometry) {
    const ShapeParams tick{.startmark = -0.2f};  // scale ticks from 0.8 R to R
    // clang-format off
    const PixelCase cases[] = {
        // The needle at 90 degrees (inset 1: cx 50, cy 51, R 49) is the shape element's test.
        // A wide, flat element: inset 1, cx 150, cy 21, R 19.
        {"wide needle at 270", 300, 41, Params("Radius", 0, 1, 270),
         {{{131, 21}, kWhite}, {{150, 21}, kWhite}, {{130, 21}, 0}}, {}, 20, 20},
        {"scale of 4 at the quarters", 101, 101, Params("Scale", 0, 360, 4, tick),
         {{{50, 2}, kWhite}, {{50, 11}, kWhite}, {{99, 51}, kWhite}, {{50, 100}, kWhite},
          {{1, 51}, kWhite}, {{50, 51}, 0}}, {}, 40, 44},
        {"scale without marks", 101, 101, Params("Scale", 0, 90, 0, tick), {}, {}, 0, 0},
        {"arc at 0 %: one degree", 101, 101, Params("ArcTo", 0, 360, 0),
         {{{50, 1}, kWhite}}, {}, 1, 2},
        {"arc through zero ends up", 101, 101, Params("ArcTo", 270, 90, 50),
         {{{1, 50}, kWhite}, {{50, 1}, kWhite}}, {{51, 0, 50, 101}, {0, 52, 101, 49}}},
        {"subtypes are case-sensitive", 20, 20, Params("fillrect", 0, 0, 0), {}, {}, 0, 0},
    };
    // clang-format on
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(c.label);
        const QImage image = Shape(c.params, c.w, c.h);
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(At(image, p.at.x(), p.at.y()), p.colour) << p.at.x() << "," << p.at.y();
        for (const QRect& r : c.dark)
            EXPECT_EQ(CountLit(image, r.x(), r.y(), r.width(), r.height()), 0);
        EXPECT_GE(CountLit(image), c.litMin);
        EXPECT_LE(CountLit(image), c.litMax);
    }
    // 0 to 270 with 4 marks: the same four quarters as the full circle.
    EXPECT_EQ(Shape(Params("Scale", 0, 270, 4, tick), 101, 101),
              Shape(Params("Scale", 0, 360, 4, tick), 101, 101));
    // The full arc is the whole ellipse.
    EXPECT_EQ(CountLit(Shape(Params("ArcTo", 0, 360, 100), 101, 101)),
              static_cast<int>(dw::EllipseRing({1, 1, 99, 99}).size()));
}

QImage Hatch(int style, int size) {
    return Shape(Params("FillRect", 0, 0, 0,
                        {.colorF = kWhite, .color = 0, .style = style, .borderWidth = 0}),
                 size, size);
}

TEST(RenderShape, HatchPatterns) {
    // The crossed patterns and the gap colour have their golden images.
    // 2: forward diagonal, down to the right; 3: backward diagonal, up to the right.
    const QImage forward = Hatch(2, 8), backward = Hatch(3, 8);
    EXPECT_EQ(Count(forward, kWhite), 8);
    EXPECT_EQ(Count(backward, kWhite), 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(At(forward, x, y), At(forward, (x + 1) % 8, (y + 1) % 8));
            EXPECT_EQ(At(backward, x, y), At(backward, (x + 1) % 8, (y + 7) % 8));
        }
    EXPECT_EQ(Count(Hatch(-1, 8), kWhite), 64);
    EXPECT_EQ(Count(Hatch(6, 8), kWhite), 64);
}

// Drawing over what is there is the shape element's test.
TEST(RenderShape, SurvivesHugeParameters) {
    QImage tiny = Black(2, 2);
    for (const char* kind : {"FillRect", "Pie", "ArcTo", "ArcFrom", "Radius", "Bug", "Scale"}) {
        const ShapeParams p =
            Params(kind, 1e30f, -1e30f, 1e30f, {.borderWidth = 100000, .startmark = 1e30f});
        dw::RenderShape(tiny, p, 2, 2);
        dw::RenderShape(tiny, p, -5, 1 << 30);
    }
    EXPECT_EQ(tiny.size(), QSize(2, 2));
}

// A needle draws nothing outside the bounds given for it, whatever its angle, length and pen.
TEST(RenderShape, NeedleStaysWithinItsBounds) {
    int drawn = 0;
    for (const QSize size : {QSize(38, 36), QSize(101, 101), QSize(7, 5)})
        for (const int pen : {0, 1, 2, 3, 5, 8, 13})
            for (const auto& [from, to] : {std::pair(0.0f, 1.0f), {0.1f, 0.9f}, {-0.3f, 1.4f}})
                for (int angle = -30; angle < 400; angle += 7) {
                    ShapeParams params{.ang1 = from, .ang2 = to, .angPct = angle + 0.25f};
                    params.subtype = "Radius";
                    params.borderWidth = pen;
                    QImage image(size, QImage::Format_RGB32);
                    image.fill(Qt::black);
                    dw::RenderShape(image, params, size.width(), size.height());
                    const QRect bounds = dw::ShapeBounds(params, size.width(), size.height());
                    drawn += CountLit(image) > 0;
                    QImage outside = image;
                    QPainter(&outside).fillRect(bounds, Qt::black);
                    ASSERT_EQ(CountLit(outside), 0)
                        << size.width() << " pen " << pen << " at " << angle << " from " << from;
                }
}

}  // namespace
