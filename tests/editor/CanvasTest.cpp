// The canvas: mouse edge cases, the keys it uses itself, the wheel, hot keys, the status line
// and the conversion between gauge and logical pixels.
#include "EditorTestSupport.h"
#include "editor/CanvasWidget.h"
#include "editor/EditCommands.h"
#include "support/BudgetGuard.h"

namespace {

using namespace dw;
using namespace dwtest;

using CanvasTest = EditorTest;

TEST_F(CanvasTest, ThePrimarysResizeSquareWinsAndNoSideGoesBelowEightPixels) {
    Start();
    CElement* below = Add({100, 100, 200, 200});
    Click({150, 150});
    CElement* above = Add({180, 180, 260, 260});
    Press({195, 195});
    EXPECT_EQ(Window().Mouse().GetState(), CanvasMouse::State::Resizing);
    EXPECT_EQ(Window().Mouse().ResizeTarget(), below);
    MoveTo({20, 20});  // above and left of the corner
    Release({20, 20});
    EXPECT_EQ(below->GetRect(), (Rect{100, 100, 108, 108}));
    EXPECT_TRUE(Doc().modified);
    Click({230, 230});  // elsewhere the topmost element wins
    EXPECT_TRUE(above->IsSelected());
    EXPECT_FALSE(below->IsSelected());
}

TEST_F(CanvasTest, GroupsSelectTogetherAndLockedElementsOnlyMoveByKeys) {
    Start();
    CElement* a = Add({10, 10, 50, 50});
    CElement* b = Add({100, 10, 150, 50});
    CElement* c = Add({300, 10, 350, 50});
    a->SetGroup(4);
    b->SetGroup(4);
    Click({20, 20});
    EXPECT_EQ(Layout(), "p:10,10,50,50*g p:100,10,150,50*g p:300,10,350,50");
    Click({120, 20}, Qt::ControlModifier);
    EXPECT_EQ(Layout(), "p:10,10,50,50g p:100,10,150,50g p:300,10,350,50");

    c->locked = true;
    Click({320, 20});
    Drag({320, 20}, {400, 100});
    EXPECT_EQ(c->GetRect(), (Rect{300, 10, 350, 50})) << "locked: not dragged";
    QWheelEvent wheel(QPointF(320, 20), Canvas()->mapToGlobal(QPointF(320, 20)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Canvas(), &wheel);
    EXPECT_EQ(c->runRotation, 0.0) << "locked: not turned";
    Key(Qt::Key_Down);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(c->GetRect(), (Rect{300, 11, 351, 51}));
}

TEST_F(CanvasTest, ARubberBandSelectsOnlyElementsWhollyInsideIt) {
    Start();
    Add({10, 10, 50, 50});   // inside
    Add({40, 40, 120, 60});  // partly inside
    Add({60, 10, 100, 50});  // right edge on the band's right edge
    Drag({5, 5}, {100, 55});
    EXPECT_EQ(Layout(), "p:10,10,50,50* p:40,40,120,60 p:60,10,100,50");
    Drag({200, 200}, {1, 1}, Qt::ControlModifier);  // Ctrl keeps and adds; drawn up-left
    EXPECT_EQ(Layout(), "p:10,10,50,50* p:40,40,120,60* p:60,10,100,50*");
}

TEST_F(CanvasTest, TabCyclesOneSelectionAndCtrlTabFollowsOverlaps) {
    Start();
    Add({10, 10, 50, 50});
    Add({200, 200, 250, 250});
    Add({20, 20, 60, 60});  // overlaps the first one's centre
    Click({15, 15});
    Key(Qt::Key_Tab);
    EXPECT_EQ(Layout(), "p:10,10,50,50 p:200,200,250,250* p:20,20,60,60");
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Layout(), "p:10,10,50,50* p:200,200,250,250 p:20,20,60,60");
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Layout(), "p:10,10,50,50 p:200,200,250,250 p:20,20,60,60*");
    Command(cmd::kSelectAll);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Layout(), "p:10,10,50,50* p:200,200,250,250* p:20,20,60,60*") << "two or more";
}

TEST_F(CanvasTest, ArrowsMoveShiftArrowsTurnAndTheWheelTurnsOneDegree) {
    Start();
    CElement* e = Add({10, 10, 50, 50});
    Click({20, 20});
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_EQ(e->GetRect(), (Rect{9, 9, 49, 49}));
    Key(Qt::Key_Up, Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(e->runRotation, 1.0);
    EXPECT_EQ(e->GetRect(), (Rect{9, 9, 49, 49}));
    QWheelEvent wheel(QPointF(20, 20), Canvas()->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, -360), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Canvas(), &wheel);
    EXPECT_EQ(e->runRotation, 0.0) << "one notch whatever the delta";
    Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(e->GetRect(), (Rect{9, 9, 48, 49}));
}

TEST_F(CanvasTest, TheStatusLineShowsPointerSelectionAndName) {
    Start();
    EXPECT_EQ(Window().StatusText(), "X=0, Y=0    SELECTED: 0/0");
    CElement* a = Add({10, 20, 110, 70});
    Add({200, 200, 300, 300});
    Add({400, 400, 420, 420});
    MoveTo({12, 34});
    EXPECT_EQ(Window().StatusText(), "X=12, Y=34    SELECTED: 0/3");
    a->name = "Needle";
    Click({12, 34});
    EXPECT_EQ(Window().StatusText(),
              "X=12, Y=34    SELECTED: 1/3, (X=10, Y=20, W=100, H=50, R=0.00)\r\nNeedle");
    Click({250, 250}, Qt::ControlModifier);
    EXPECT_EQ(Window().StatusText(),
              "X=250, Y=250    SELECTED: 2/3, (X=10, Y=20, W=290, H=280, R=0.00)");
}

TEST_F(CanvasTest, HotKeysFromTheStoreFireWithTheirModifiers) {
    using namespace dw::settings;
    settings.SeedInt(kKeys, kTotal, 5);
    settings.Seed(kKeys, "0000", "HK_32821_66_2");   // Ctrl+B: insert a basic graph
    settings.Seed(kKeys, "0001", "HK_32825_65_6");   // Ctrl+Alt+A: select all
    settings.Seed(kKeys, "0002", "garbage");         // skipped
    settings.Seed(kKeys, "0003", "HK_32787_116_0");  // F5: Run
    settings.Seed(kKeys, "0004", "HK_32797_65_0");   // plain A: delete (after Ctrl+Alt+A)
    int runs = 0;
    services.runPlayer = [&](const PlayerRequest&) { ++runs; };
    Start();
    EXPECT_EQ(Window().HotKeys().size(), 4u);

    Key(Qt::Key_B);
    EXPECT_EQ(Doc().elements.Count(), 0u) << "Ctrl is part of the binding";
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Doc().elements.Count(), 1u);

    Key(Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(CountSelected(Doc().elements), 1);
    Key(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(runs, 1);
    ui.QueueAnswer(Answer::No);
    Key(Qt::Key_A);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Delete components");
}

TEST(GaugePixels, AreDevicePixelsAtAnyScale) {
    EXPECT_EQ(GaugeFromLogical(QPointF(10.5, 3), 1.0), (Point{10, 3}));
    EXPECT_EQ(GaugeFromLogical(QPointF(10.5, 3), 2.0), (Point{21, 6}));
    EXPECT_EQ(GaugeFromLogical(QPointF(7, 7), 1.5), (Point{10, 10}));
    // A gauge area covers every logical pixel it touches.
    EXPECT_EQ(LogicalFromGauge({11, 11, 21, 21}, 2.0), QRect(5, 5, 6, 6));
    EXPECT_EQ(LogicalFromGauge({-3, 0, 3, 3}, 1.5), QRect(-2, 0, 4, 2));
}

}  // namespace

TEST_F(CanvasTest, AResizeBeyondTheDrawingMemoryIsToldOnceTheButtonIsUp) {
    Start();
    // Room for the two surfaces of a 100 x 100 element, not for a 200 x 200 one.
    const BudgetGuard budget(SurfaceBudget::Instance().InUse() +
                             3 * SurfaceBudget::SurfaceBytes(100, 100));
    CElement* e = Add({100, 100, 200, 200});
    Click({150, 150});
    Press({195, 195});
    MoveTo({295, 295});
    EXPECT_TRUE(ui.messages.empty());  // not in the middle of the gesture
    Release({295, 295});
    EXPECT_EQ(e->GetRect(), (Rect{100, 100, 295, 295}));  // kept at its new size
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Gauge too large to draw");
    Key(Qt::Key_Right);  // later commands tell nothing new
    EXPECT_EQ(ui.messages.size(), 1u);
}
