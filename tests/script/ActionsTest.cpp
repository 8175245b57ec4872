// Statements acting on the element: per kind, with their effects and drawing requests (the
// size statements on the real kinds are checked through dwtool's "script" verb).
#include <gtest/gtest.h>

#include <thread>

#include "ScriptTestSupport.h"
#include "model/GlobalSwitch.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;
using Calls = std::vector<std::string>;

TEST(Actions, VisibilityGlobalSwitchAndPlayerWindow) {
    Harness h;
    EXPECT_FALSE(h.Ran(ElementKind::Image, {"hide"})->shown);
    EXPECT_TRUE(h.Ran(ElementKind::Text, {"hide", "show"})->shown);
    h.Ran(ElementKind::Audio, {"switchoff", "dwhide", "dwshow"});
    EXPECT_FALSE(dw::IsGlobalSwitchOn());
    EXPECT_EQ(h.player.shows, (std::vector<bool>{false, true}));
    h.Ran(ElementKind::Primitive, {"switchon"});
    EXPECT_TRUE(dw::IsGlobalSwitchOn());
}

TEST(Actions, MovesAreAbsoluteFromTheDesignCentre) {
    Harness h;
    // Rectangle (10,10)-(110,60): centre (60, 35).
    auto e = h.Ran(ElementKind::Image, {"data = 20", "moveh", "data = -5", "movev"});
    EXPECT_EQ(e->GetRect(), (dw::Rect{30, 5, 130, 55}));
    h.Run(*e);
    EXPECT_EQ(e->GetRect(), (dw::Rect{30, 5, 130, 55}));
    EXPECT_EQ(h.Ran(ElementKind::Text, {"data = 2.9", "movev"})->GetRect(),
              (dw::Rect{10, 12, 110, 62}));
}

TEST(Actions, SetFileChangeColourAndSound) {
    Harness h;
    auto e = h.Ran(ElementKind::Audio,
                   {"setfile c:\\sounds\\gear up.wav", "play loop", "stop", "play", "play x"});
    EXPECT_EQ(e->file, "c:\\sounds\\gear up.wav");
    EXPECT_EQ(e->calls, (Calls{"rebuild", "play loop", "stop", "play", "play"}));
    auto g = h.Ran(ElementKind::Image, {"setfile show.wav", "data = 255", "changecolor data 65280",
                                        "changecolor 1 with 2", "changecolor 3 with"});
    EXPECT_EQ(g->file, "M.wav");
    EXPECT_EQ(g->calls, (Calls{"rebuild", "replace 255 65280", "replace 1 2", "replace 3 0"}));
}

TEST(Actions, ColoursOfABasicGraphRenderAtTheEnd) {
    Harness h;
    h.SetVariable(1, 4, 255);
    auto e =
        h.Ran(ElementKind::Primitive, {"link offset 4 server 1", "setcolor value", "setbackcolor 5",
                                       "setbordercolor 6", "setborderwidth 3"});
    EXPECT_EQ(e->color, 5u);
    ASSERT_TRUE(e->fillBrush && e->borderPen);
    EXPECT_EQ(e->fillBrush->color(), QColor(255, 0, 0));
    EXPECT_EQ(e->borderPen->width(), 3);
    EXPECT_EQ(e->borderPen->color(), QColor(6, 0, 0));
    EXPECT_EQ(e->calls, Calls{"render "});
    e->calls.clear();
    h.Run(*e);
    EXPECT_TRUE(e->calls.empty());  // unchanged colours draw nothing
}

TEST(Actions, ShapeParametersRebuildAtTheEndOfARunWithoutError) {
    Harness h;
    auto e = h.Ran(ElementKind::Primitive,
                   {"setstart 10", "setend 300.7", "data = 12.5", "setpos data", "setcolor 9"});
    EXPECT_EQ(e->ang1, 10.0f);
    EXPECT_EQ(e->ang2, 300.0f);
    EXPECT_EQ(e->angPct, 12.5f);
    EXPECT_EQ(e->calls, Calls{"rebuild"});
    auto failed = h.Ran(ElementKind::Primitive, {"setstart 10", "round 5"});
    EXPECT_EQ(failed->ang1, 10.0f);
    EXPECT_TRUE(failed->calls.empty());
}

TEST(Actions, ClickProgramsAcceptLessAndRunUnderTheLock) {
    Harness h;
    auto e = h.Make(ElementKind::Image, "", Lines({"data = 9", "rotate", "setwidth 5"}));
    e->transparentColor = 77;  // the fill of the rotated surface
    const auto r = h.Click(*e);
    EXPECT_EQ(r.errorCode, -1);
    EXPECT_EQ(r.errorLine, 3);
    EXPECT_EQ(e->rotatesWithoutLock, 0);
    EXPECT_EQ(e->calls, Calls{"rotate 9 fill 77"});
    // Other kinds have no click program.
    auto t = h.Make(ElementKind::Text, "", Lines({"round 5"}));
    EXPECT_TRUE(h.Click(*t).ok);
}

TEST(Actions, MainAndClickProgramsOfAnImageNeverOverlap) {
    Harness h;
    auto e = h.Make(ElementKind::Image, Lines({"data = 1", "rotate", "data = 2", "rotate"}),
                    Lines({"data = 3", "rotate"}));
    std::thread clicker([&] {
        for (int i = 0; i < 200; ++i) h.Click(*e);
    });
    for (int i = 0; i < 200; ++i) h.Run(*e);
    clicker.join();
    EXPECT_EQ(e->rotatesWithoutLock, 0);  // each rotation under the lock of its run
    EXPECT_EQ(e->rotateCalls, 600);
}

}  // namespace
