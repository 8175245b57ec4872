// Statements acting on the element: per kind, with their effects and drawing requests.
#include <gtest/gtest.h>

#include <thread>

#include "ScriptTestSupport.h"
#include "model/GlobalSwitch.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;
using Calls = std::vector<std::string>;

TEST(Actions, ShowHideAndGlobalSwitch) {
    Harness h;
    auto e = h.Make(ElementKind::Image, Lines({"hide"}));
    h.Run(*e);
    EXPECT_FALSE(e->shown);
    e = h.Make(ElementKind::Text, Lines({"hide", "show"}));
    h.Run(*e);
    EXPECT_TRUE(e->shown);
    auto audio = h.Make(ElementKind::Audio, Lines({"switchoff"}));
    EXPECT_TRUE(h.Run(*audio).ok);
    EXPECT_FALSE(dw::IsGlobalSwitchOn());
    auto shape = h.Make(ElementKind::Primitive, Lines({"switchon"}));
    h.Run(*shape);
    EXPECT_TRUE(dw::IsGlobalSwitchOn());
}

TEST(Actions, PlayerWindow) {
    Harness h;
    auto e = h.Make(ElementKind::Audio, Lines({"dwhide", "dwshow"}));
    h.Run(*e);
    EXPECT_EQ(h.player.shows, (std::vector<bool>{false, true}));
}

TEST(Actions, RotateTakesItsAngleFromData) {
    Harness h;
    h.SetVariable(1, 3, 45);
    auto e =
        h.Make(ElementKind::Image, Lines({"link offset 3 server 1", "data = value", "rotate"}));
    e->transparentColor = 77;
    h.Run(*e);
    EXPECT_EQ(e->calls, Calls{"rotate 45 fill 77"});
    EXPECT_TRUE(e->lockHeldDuringRotate);
    auto f = h.Make(ElementKind::Image, Lines({"value = 30", "rotate"}));
    h.Run(*f);
    EXPECT_TRUE(f->calls.empty());  // angle 0 equals the current rotation
    EXPECT_EQ(f->runRotation, 0.0);
}

TEST(Actions, MovesAreAbsoluteFromTheDesignCentre) {
    Harness h;
    // Rectangle (10,10)-(110,60): centre (60, 35).
    auto e = h.Make(ElementKind::Image, Lines({"data = 20", "moveh", "data = -5", "movev"}));
    h.Run(*e);
    EXPECT_EQ(e->GetRect(), (dw::Rect{30, 5, 130, 55}));
    h.Run(*e);
    EXPECT_EQ(e->GetRect(), (dw::Rect{30, 5, 130, 55}));
    auto f = h.Make(ElementKind::Text, Lines({"data = 2.9", "movev"}));
    h.Run(*f);
    EXPECT_EQ(f->GetRect(), (dw::Rect{10, 12, 110, 62}));
}

TEST(Actions, SetWidthOnlyWhenItChanges) {
    Harness h;
    auto same = h.Make(ElementKind::Image, Lines({"setwidth 100"}));
    same->runRotation = 12;
    h.Run(*same);
    EXPECT_TRUE(same->calls.empty());
    EXPECT_EQ(same->runRotation, 12.0);
    auto wider = h.Make(ElementKind::Primitive, Lines({"setwidth 120", "setheight value"}));
    h.Run(*wider);
    EXPECT_EQ(wider->GetRect(), (dw::Rect{10, 10, 130, 10}));
    EXPECT_EQ(wider->width, 120);
    EXPECT_EQ(wider->height, 0);
    EXPECT_EQ(wider->calls, (Calls{"rebuild", "rebuild"}));
}

TEST(Actions, SetFileKeepsBlanksAndRebuilds) {
    Harness h;
    auto e = h.Make(ElementKind::Audio, Lines({"setfile c:\\sounds\\gear up.wav"}));
    h.Run(*e);
    EXPECT_EQ(e->file, "c:\\sounds\\gear up.wav");
    EXPECT_EQ(e->calls, Calls{"rebuild"});
    auto g = h.Make(ElementKind::Image, Lines({"setfile show.wav"}));
    h.Run(*g);
    EXPECT_EQ(g->file, "M.wav");
}

TEST(Actions, ChangeColour) {
    Harness h;
    auto e = h.Make(ElementKind::Image, Lines({"data = 255", "changecolor data 65280",
                                               "changecolor 1 with 2", "changecolor 3 with"}));
    h.Run(*e);
    EXPECT_EQ(e->calls, (Calls{"replace 255 65280", "replace 1 2", "replace 3 0"}));
}

TEST(Actions, ColoursOfABasicGraphRenderAtTheEnd) {
    Harness h;
    h.SetVariable(1, 4, 255);
    auto e = h.Make(ElementKind::Primitive,
                    Lines({"link offset 4 server 1", "setcolor value", "setbackcolor 5",
                           "setbordercolor 6", "setborderwidth 3"}));
    h.Run(*e);
    EXPECT_EQ(e->colorF, 255u);
    EXPECT_EQ(e->color, 5u);
    EXPECT_EQ(e->borderColor, 6u);
    EXPECT_EQ(e->borderWidth, 3);
    ASSERT_TRUE(e->fillBrush.has_value());
    EXPECT_EQ(e->fillBrush->style(), Qt::SolidPattern);
    EXPECT_EQ(e->fillBrush->color(), QColor(255, 0, 0));
    ASSERT_TRUE(e->borderPen.has_value());
    EXPECT_EQ(e->borderPen->width(), 3);
    EXPECT_EQ(e->borderPen->color(), QColor(6, 0, 0));
    EXPECT_EQ(e->calls, Calls{"render "});
    // Unchanged colours draw nothing.
    e->calls.clear();
    h.Run(*e);
    EXPECT_TRUE(e->calls.empty());
}

TEST(Actions, ShapeParametersRebuildAtTheEnd) {
    Harness h;
    auto e =
        h.Make(ElementKind::Primitive,
               Lines({"setstart 10", "setend 300.7", "data = 12.5", "setpos data", "setcolor 9"}));
    h.Run(*e);
    EXPECT_EQ(e->ang1, 10.0f);
    EXPECT_EQ(e->ang2, 300.0f);
    EXPECT_EQ(e->angPct, 12.5f);
    EXPECT_EQ(e->calls, Calls{"rebuild"});
    auto pos = h.Make(ElementKind::Primitive, Lines({"setpos 33.3"}));
    h.Run(*pos);
    EXPECT_EQ(pos->angPct, 33.3f);
}

TEST(Actions, NoRefreshAfterAnError) {
    Harness h;
    auto e = h.Make(ElementKind::Primitive, Lines({"setstart 10", "round 5"}));
    EXPECT_FALSE(h.Run(*e).ok);
    EXPECT_EQ(e->ang1, 10.0f);
    EXPECT_TRUE(e->calls.empty());
}

TEST(Actions, SetColourOnShapesWithoutFillActsOnTheBorder) {
    Harness h;
    auto scale = std::make_unique<scripttest::TestElement>(ElementKind::Primitive);
    scale->borderColorOnly = true;
    scale->mainProgram = Lines({"value = 77", "setcolor value"});
    dw::CompilePrograms(*scale);
    h.Run(*scale);
    EXPECT_EQ(scale->borderColor, 77u);
    EXPECT_EQ(scale->colorF, 0u);
    auto fill = h.Make(ElementKind::Primitive, Lines({"value = 77", "setcolor value"}));
    h.Run(*fill);
    EXPECT_EQ(fill->colorF, 77u);
}

TEST(Actions, TextColoursRenderAtOnce) {
    Harness h;
    auto e = h.Make(ElementKind::Text, Lines({"setcolor 1", "setbackcolor 2", "setcolor 1"}));
    e->text = "T";
    h.Run(*e);
    EXPECT_EQ(e->color, 1u);
    EXPECT_EQ(e->colorF, 2u);
    // The first render is the text's fresh start of the run.
    EXPECT_EQ(e->calls, (Calls{"render T", "render T", "render T"}));
}

TEST(Actions, AudioPlayAndStop) {
    Harness h;
    auto e = h.Make(ElementKind::Audio, Lines({"play loop", "stop", "play"}));
    h.Run(*e);
    EXPECT_EQ(e->calls, (Calls{"play loop", "stop", "play"}));
}

TEST(Actions, StatementsAKindDoesNotAcceptAreSyntaxErrors) {
    Harness h;
    struct Case {
        ElementKind kind;
        const char* line;
    };
    const Case cases[] = {
        {ElementKind::Audio, "rotate"},       {ElementKind::Image, "play"},
        {ElementKind::Image, "setcolor 1"},   {ElementKind::Text, "setstart 1"},
        {ElementKind::Primitive, "print %f"}, {ElementKind::Audio, "show"},
        {ElementKind::Text, "setfile a.bmp"}, {ElementKind::Primitive, "stop"},
        {ElementKind::Image, "factor 2"},     {ElementKind::Image, "replace x"},
        {ElementKind::Image, "key"},
    };
    for (const Case& c : cases) {
        auto e = h.Make(c.kind, Lines({"value = 1", c.line}));
        const auto r = h.Run(*e);
        EXPECT_EQ(r.errorCode, 1) << c.line;
        EXPECT_EQ(r.errorLine, 2) << c.line;
    }
}

TEST(Actions, ClickProgramsAcceptLessAndRunUnderTheLock) {
    Harness h;
    auto e = h.Make(ElementKind::Image, "", Lines({"data = 9", "rotate", "setwidth 5"}));
    const auto r = h.Click(*e);
    EXPECT_EQ(r.errorCode, -1);
    EXPECT_EQ(r.errorLine, 3);
    EXPECT_TRUE(e->lockHeldDuringRotate);
    EXPECT_EQ(e->calls, Calls{"rotate 9 fill 0"});
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
    // Every rotation happened with the lock held by its run.
    EXPECT_FALSE(e->lockMissed);
    EXPECT_EQ(e->rotateCalls, 600);
}

}  // namespace
