// What the editor does to an element: selection and the primary role, hit tests, drags,
// moves, size changes and repaint requests.
#include <gtest/gtest.h>

#include "TestKinds.h"
#include "model/ElementList.h"

namespace {

using namespace dw;
using namespace dwtest;

class Selection : public ::testing::Test {
protected:
    // "s" for selected, "p" for selected and primary, "P" for primary only, "-" otherwise.
    std::string States() const {
        std::string out;
        for (CElement& e : list) {
            out += e.IsPrimary() ? (e.IsSelected() ? 'p' : 'P') : (e.IsSelected() ? 's' : '-');
        }
        return out;
    }
    RecordingOwner owner;
    std::vector<TestElement*> chain = MakeChain(4, &owner);
    ElementList list{std::unique_ptr<CElement>(chain[0])};
};

TEST_F(Selection, TheFirstSelectedElementBecomesPrimaryAndPassesTheRoleOnWhenDeselected) {
    owner.invalidated.clear();
    chain[2]->Select(true);
    EXPECT_EQ(owner.invalidated, std::vector<Rect>{chain[2]->GetRect()});
    chain[0]->Select(true);
    chain[3]->Select(true);
    chain[2]->Select(true);  // selecting the primary again keeps it primary
    EXPECT_EQ(States(), "s-ps");
    // Deselecting the primary passes the role to the first selected element of the list.
    chain[1]->Select(true);
    chain[0]->Deselect();
    chain[2]->Select(false);
    EXPECT_EQ(States(), "-p-s") << "first in list order, not in selection order";
    chain[3]->Deselect();  // not primary: the primary stays
    EXPECT_EQ(States(), "-p--");
    chain[1]->Deselect();  // the last selected: no primary at all
    EXPECT_EQ(States(), "----");
    chain[3]->Select(true);
    EXPECT_EQ(States(), "---p");
}

TEST(HitTest, TheRectangleExcludesRightAndBottomAndThePrimarysResizeSquare) {
    TestElement e(nullptr, {10, 20, 60, 50});
    // Corners and just outside; then (right - 5, bottom - 5), the square's corners
    // (right - 10, bottom - 10) and (right - 2, bottom - 2), and just beside the square.
    const std::pair<int, int> points[] = {{10, 20}, {59, 49}, {60, 30}, {30, 50},
                                          {9, 30},  {30, 19}, {55, 45}, {50, 40},
                                          {58, 48}, {59, 48}, {58, 49}, {49, 45}};
    const auto hits = [&](bool handle) {
        std::string out;
        for (auto [x, y] : points)
            out += (handle ? e.HitResizeHandle(x, y) : e.HitTest(x, y)) ? '1' : '.';
        return out;
    };
    EXPECT_EQ(hits(false), "11....111111");
    EXPECT_EQ(hits(true), "............") << "not primary: no handle";
    e.Select(true);  // primary
    EXPECT_EQ(hits(false), "11.......111");
    EXPECT_EQ(hits(true), "......111...");
    e.locked = true;  // no handle, and the square still does not count as the element
    EXPECT_EQ(hits(false), "11.......111");
    EXPECT_EQ(hits(true), "............");
}

TEST(Moves, CentreAndHalfSizesTruncateTowardZeroAndDragsKeepTheirOffset) {
    TestElement e(nullptr, {-7, -5, 0, 0});
    EXPECT_EQ(e.GetCentre(), (Point{-4, -3}));  // (7 / 2 + -7, 5 / 2 + -5)
    EXPECT_EQ(TestElement(nullptr, {10, 20, 21, 31}).GetCentre(), (Point{15, 25}));
    e.MoveCentreTo(-10, -10);
    EXPECT_EQ(e.GetRect(), (Rect{-13, -12, -6, -7}));  // 7 / 2 = 3, 5 / 2 = 2
    e.MoveBy(-11, 3);
    EXPECT_EQ(e.GetRect(), (Rect{-24, -9, -17, -4}));
    // A drag keeps the offset taken at its start and repaints both places.
    RecordingOwner owner;
    TestElement d(&owner, {10, 20, 40, 30});
    d.BeginDrag(15, 22);
    EXPECT_EQ(d.dragOffset, (Point{-5, -2}));
    owner.invalidated.clear();
    d.DragTo(100, 50);
    EXPECT_EQ(owner.invalidated, (std::vector<Rect>{{10, 20, 40, 30}, {95, 48, 125, 58}}));
}

TEST(Sizes, ANewSizeResizesRebuildsAndDropsTheRunRotation) {
    RecordingOwner owner;
    TestElement e(&owner, {10, 10, 110, 60});
    e.runRotation = 30.0;
    owner.invalidated.clear();
    e.SetWidth(40);
    EXPECT_EQ(e.rebuildRect, (Rect{10, 10, 50, 60}));  // rebuilt at the new size
    EXPECT_EQ(e.runRotation, 0.0);
    EXPECT_EQ(owner.invalidated, (std::vector<Rect>{{10, 10, 110, 60}}));
}

TEST(Invalidation, NothingReachesTheOwnerInRunMode) {
    RecordingOwner owner;
    TestElement e(&owner);
    e.Invalidate(Rect{1, 2, 3, 4});
    EXPECT_EQ(owner.invalidated, (std::vector<Rect>{{1, 2, 3, 4}}));
    e.SetRunMode(&owner, true);
    owner.invalidated.clear();
    e.MoveBy(5, 5);
    e.Select(true);
    e.Invalidate();
    EXPECT_TRUE(owner.invalidated.empty());
}

}  // namespace
