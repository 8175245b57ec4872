// The mouse state machine alone, without a window: states, outlines and the undo codes each
// transition records.
#include <gmock/gmock.h>

#include "editor/CanvasMouse.h"
#include "editor/CanvasWidget.h"
#include "model/CGaugeDocument.h"
#include "model/ElementFactory.h"
#include "model/ElementOwner.h"
#include "model/HeadlessGaugeHost.h"
#include "runtime/ElementKinds.h"
#include "support/FakeClipboard.h"
#include "support/ScriptedInteraction.h"

namespace {

using namespace dw;
using testing::ElementsAre;

class NullCanvas : public IElementOwner {
public:
    void InvalidateRect(const Rect& area) override { invalidated.push_back(area); }
    Point ClientOriginOnScreen() const override { return {}; }
    std::vector<Rect> invalidated;
};

class CanvasMouseTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterAllKinds(ElementFactory::Instance()); }
    CElement* Add(Rect r) {
        return doc.elements.Append(ElementFactory::Instance().Create("primitive", &canvas, r));
    }

    dwtest::ScriptedInteraction ui;
    dwtest::FakeClipboard clipboard;
    HeadlessGaugeHost host;
    CGaugeDocument doc{ui, clipboard, host};
    NullCanvas canvas;
    CanvasMouse mouse{doc, host, canvas};
};

TEST_F(CanvasMouseTest, ADragRecordsSelectionSeparatorsThenOneMoveCode) {
    Add({10, 10, 50, 50});
    CElement* b = Add({100, 10, 150, 50});
    b->Select(true);
    mouse.Press({20, 20}, false);
    EXPECT_EQ(mouse.GetState(), CanvasMouse::State::Moving);
    mouse.Move({30, 25});
    mouse.Move({40, 30});
    EXPECT_EQ(mouse.GetCursor(), CanvasMouse::Cursor::SizeAll);
    mouse.Release({40, 30});
    EXPECT_EQ(mouse.GetState(), CanvasMouse::State::Idle);
    // Deselecting visits both elements (0, 0); each move step records 1 for the selection.
    EXPECT_THAT(host.undoCodes, ElementsAre(0, 0, 1, 1));
    EXPECT_EQ(doc.elements.Head()->GetRect(), (Rect{30, 20, 70, 60}));
    EXPECT_FALSE(b->IsSelected());
    EXPECT_TRUE(doc.modified);
}

TEST_F(CanvasMouseTest, TheBandAndTheResizeOutlineFollowThePointer) {
    CElement* e = Add({100, 100, 200, 150});
    mouse.Press({300, 300}, false);
    EXPECT_EQ(mouse.GetState(), CanvasMouse::State::RubberBand);
    mouse.Move({250, 90});
    EXPECT_EQ(mouse.TrackRect(), (Rect{250, 90, 300, 300}));
    mouse.Release({250, 90});
    EXPECT_FALSE(e->IsSelected());

    e->Select(true);
    host.undoCodes.clear();
    mouse.Press({195, 145}, true);
    EXPECT_EQ(mouse.GetState(), CanvasMouse::State::Resizing);
    EXPECT_TRUE(mouse.KeepAspect());
    mouse.Move({301, 0});
    EXPECT_EQ(mouse.TrackRect(), (Rect{100, 100, 301, 200}));
    EXPECT_EQ(mouse.GetCursor(), CanvasMouse::Cursor::SizeDiagonal);
    mouse.Release({301, 0});
    EXPECT_EQ(e->GetRect(), (Rect{100, 100, 301, 200}));
    EXPECT_THAT(host.undoCodes, ElementsAre(0, 13));
}

TEST_F(CanvasMouseTest, HoveringShowsWhatAPressWouldDo) {
    CElement* e = Add({100, 100, 200, 150});
    mouse.Move({150, 120});
    EXPECT_EQ(mouse.GetCursor(), CanvasMouse::Cursor::Arrow) << "not selected";
    e->Select(true);
    mouse.Move({150, 120});
    EXPECT_EQ(mouse.GetCursor(), CanvasMouse::Cursor::SizeAll);
    mouse.Move({195, 145});
    EXPECT_EQ(mouse.GetCursor(), CanvasMouse::Cursor::SizeDiagonal);
    e->locked = true;
    mouse.Move({195, 145});
    // A locked primary's square is neither a handle nor part of the element.
    EXPECT_EQ(mouse.GetCursor(), CanvasMouse::Cursor::Arrow);
    EXPECT_TRUE(host.undoCodes.empty());
}

TEST(GaugePixels, AreDevicePixelsAtAnyScale) {
    using dw::GaugeFromLogical;
    using dw::LogicalFromGauge;
    EXPECT_EQ(GaugeFromLogical(QPointF(10.5, 3), 1.0), (dw::Point{10, 3}));
    EXPECT_EQ(GaugeFromLogical(QPointF(10.5, 3), 2.0), (dw::Point{21, 6}));
    EXPECT_EQ(GaugeFromLogical(QPointF(7, 7), 1.5), (dw::Point{10, 10}));
    // A gauge area covers every logical pixel it touches.
    EXPECT_EQ(LogicalFromGauge({10, 10, 20, 20}, 1.0), QRect(10, 10, 10, 10));
    EXPECT_EQ(LogicalFromGauge({11, 11, 21, 21}, 2.0), QRect(5, 5, 6, 6));
    EXPECT_EQ(LogicalFromGauge({-3, 0, 3, 3}, 1.5), QRect(-2, 0, 4, 2));
}

}  // namespace
