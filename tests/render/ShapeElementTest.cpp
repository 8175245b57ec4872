#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "RenderTestSupport.h"
#include "render/CPrimitive.h"

namespace {

using namespace rendertest;

// A 101 x 101 needle at 90 degrees from the centre (50, 51) to the rim (99, 51).
struct Needle : dw::CPrimitive {
    Needle() : dw::CPrimitive(nullptr, {0, 0, 101, 101}) {
        SetSubtype("Radius");
        ang1 = 0.0f;
        ang2 = 1.0f;
        angPct = 90.0f;
    }
    const QImage& Shown() const { return surface.Current(); }
};

TEST(ShapeElement, RebuildStartsFromBlackWhileRenderShapeDrawsOver) {
    Needle shape;
    shape.Rebuild();
    for (int x = 50; x <= 99; ++x) EXPECT_EQ(At(shape.Shown(), x, 51), kWhite);
    EXPECT_EQ(CountLit(shape.Shown()), 50);
    shape.angPct = 0.0f;
    shape.borderColor = kRed;
    shape.RenderShape();  // a script colour change: the old needle stays
    EXPECT_EQ(At(shape.Shown(), 99, 51), kWhite);
    EXPECT_EQ(At(shape.Shown(), 50, 2), kRed);
    shape.Rebuild();  // a script angle change: no trace of the old needle
    EXPECT_EQ(At(shape.Shown(), 99, 51), 0u);
    EXPECT_EQ(At(shape.Shown(), 50, 2), kRed);
}

TEST(ShapeElement, TheOpaqueCopyCoversOnePixelMoreAndColourReplacementFollowsEveryRender) {
    dw::CPrimitive box(nullptr, {2, 2, 6, 5});
    const QImage target = Drawn(box, 10, 10);
    EXPECT_EQ(At(target, 6, 5), 0u);                // one more right and below
    EXPECT_EQ(At(target, 7, 5), kMarker);           // but no further
    dw::CPrimitive shape(nullptr, {0, 0, 10, 10});  // red within 49 becomes green
    shape.borderWidth = 0;
    shape.colorF = kRed;
    shape.SetColourChange(0x0000F0, kGreen);
    shape.Rebuild();
    EXPECT_EQ(Count(shape.surface.Current(), kGreen), 100);
}

// The script actions reach the kinds through CElement's virtual operations.
TEST(ShapeElement, ScriptOperationsThroughTheBase) {
    Needle shape;
    shape.Rebuild();
    dw::CElement& element = shape;
    shape.borderColor = kGreen;
    element.RenderContent();  // setbordercolor: drawn again in the new colour
    EXPECT_EQ(At(shape.Shown(), 70, 51), kGreen);
    element.ReplaceSurfaceColour(kGreen, kRed);  // changecolor
    EXPECT_EQ(At(shape.Shown(), 70, 51), kRed);
    element.Rotate(90.0, 0);  // rotate: the needle now points down
    EXPECT_EQ(At(shape.Shown(), 70, 51), 0u);
    EXPECT_GE(CountLit(shape.Shown(), 48, 52, 5, 49), 45);
    shape.rotation = -90.0;  // the designed rotation adds: the needle points up
    shape.Rebuild();
    EXPECT_GE(CountLit(shape.Shown(), 49, 2, 4, 45), 45);
    EXPECT_EQ(CountLit(shape.Shown()), CountLit(shape.Shown(), 49, 0, 4, 53));
}

// A rebuild reuses the element's bitmaps and skips work whose result is already there; after
// every step the element must show exactly what a new element with the same fields shows.
TEST(ShapeElement, RebuildsOverKeptBitmapsShowWhatANewElementShows) {
    Needle shape;
    shape.transparent = true;  // keeps a masked copy for the painter's copy too
    shape.Rebuild();
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"new position", [&] { shape.angPct = 200.0f; }},
        {"nothing changed", [] {}},
        {"colour replaced since", [&] { shape.ReplaceSurfaceColour(kWhite, kRed); }},
        {"black replaced since", [&] { shape.ReplaceSurfaceColour(0, kGreen); }},
        {"thick round ends", [&] { shape.borderWidth = 9, shape.angPct = 135.0f; }},
        {"turned since", [&] { shape.Rotate(30.0, kGreen); }},
        {"narrower", [&] { shape.SetWidth(60); }},
        {"wider again", [&] { shape.SetWidth(101); }},
        {"another colour", [&] { shape.borderColor = kGreen; }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        shape.Rebuild();
        Needle fresh;
        fresh.angPct = shape.angPct;
        fresh.borderColor = shape.borderColor;
        fresh.borderWidth = shape.borderWidth;
        fresh.SetWidth(shape.width);
        fresh.transparent = true;
        fresh.Rebuild();
        EXPECT_EQ(shape.Shown(), fresh.Shown());
        EXPECT_EQ(Drawn(shape, 110, 101), Drawn(fresh, 110, 101));
    }
}

}  // namespace
