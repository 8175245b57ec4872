// Drags, moves, run-start moves and size changes.
#include <gtest/gtest.h>

#include "TestKinds.h"

namespace {

using namespace dw;
using namespace dwtest;

TEST(Moves, CentreTruncatesTowardZero) {
    TestElement e(nullptr, {-7, -5, 0, 0});
    // (7 / 2 + -7, 5 / 2 + -5) = (-4, -3)
    EXPECT_EQ(e.GetCentre(), (Point{-4, -3}));
    TestElement f(nullptr, {10, 20, 21, 31});
    EXPECT_EQ(f.GetCentre(), (Point{15, 25}));
    EXPECT_EQ(f.GetWidth(), 11);
    EXPECT_EQ(f.GetHeight(), 11);
}

TEST(Moves, DragKeepsTheOffsetTakenAtTheStart) {
    RecordingOwner owner;
    TestElement e(&owner, {10, 20, 40, 30});
    e.BeginDrag(15, 22);
    EXPECT_EQ(e.dragOffset, (Point{-5, -2}));
    owner.invalidated.clear();
    e.DragTo(100, 50);
    EXPECT_EQ(e.GetRect(), (Rect{95, 48, 125, 58}));
    // The old and the new place are repainted.
    ASSERT_EQ(owner.invalidated.size(), 2u);
    EXPECT_EQ(owner.invalidated[0], (Rect{10, 20, 40, 30}));
    EXPECT_EQ(owner.invalidated[1], (Rect{95, 48, 125, 58}));
}

TEST(Moves, MoveByShiftsTheRectangle) {
    TestElement e(nullptr, {10, 20, 40, 30});
    e.MoveBy(-11, 3);
    EXPECT_EQ(e.GetRect(), (Rect{-1, 23, 29, 33}));
}

TEST(Moves, MoveCentreToHalvesTheSizeTowardZero) {
    TestElement e(nullptr, {0, 0, 7, 5});
    e.MoveCentreTo(-10, -10);
    EXPECT_EQ(e.GetRect(), (Rect{-13, -12, -6, -7}));  // 7 / 2 = 3, 5 / 2 = 2
    EXPECT_EQ(e.GetWidth(), 7);
    EXPECT_EQ(e.GetHeight(), 5);
}

TEST(Moves, MoveFromRunStartIsAbsoluteFromTheRecordedCentre) {
    TestElement e(nullptr, {100, 100, 120, 140});  // centre (110, 120)
    e.dragOffset = {3, 4};
    e.SaveRunStart();
    EXPECT_EQ(e.dragOffset, (Point{0, 0}));
    EXPECT_EQ(e.runStartCentre, (Point{110, 120}));
    EXPECT_EQ(e.centre, (Point{110, 120}));
    e.MoveFromRunStart(5, 7, 0);
    EXPECT_EQ(e.GetCentre(), (Point{115, 127}));
    e.MoveFromRunStart(5, 7, 0);  // the same amount keeps the place
    EXPECT_EQ(e.GetCentre(), (Point{115, 127}));
    // Horizontal: x from the run-start centre, y stays where it is.
    e.MoveFromRunStart(-20, 999, 1);
    EXPECT_EQ(e.GetCentre(), (Point{90, 127}));
    // Any other mode is vertical: x stays, y from the run-start centre.
    e.MoveFromRunStart(999, -30, 2);
    EXPECT_EQ(e.GetCentre(), (Point{90, 90}));
    e.MoveFromRunStart(999, 0, -1);
    EXPECT_EQ(e.GetCentre(), (Point{90, 120}));
    EXPECT_EQ(e.GetWidth(), 20);
    EXPECT_EQ(e.GetHeight(), 40);
}

TEST(Sizes, SetWidthResizesRebuildsAndDropsTheRunRotation) {
    RecordingOwner owner;
    TestElement e(&owner, {10, 10, 110, 60});
    e.runRotation = 30.0;
    owner.invalidated.clear();
    e.SetWidth(40);
    EXPECT_EQ(e.GetRect(), (Rect{10, 10, 50, 60}));
    EXPECT_EQ(e.width, 40);
    EXPECT_EQ(e.rebuildCalls, 1);
    EXPECT_EQ(e.rebuildRect, (Rect{10, 10, 50, 60}));  // rebuilt at the new size
    EXPECT_EQ(e.runRotation, 0.0);
    ASSERT_EQ(owner.invalidated.size(), 1u);
    EXPECT_EQ(owner.invalidated[0], (Rect{10, 10, 110, 60}));
}

TEST(Sizes, SetHeightResizesRebuildsAndDropsTheRunRotation) {
    TestElement e(nullptr, {10, 10, 110, 60});
    e.runRotation = -5.0;
    e.SetHeight(15);
    EXPECT_EQ(e.GetRect(), (Rect{10, 10, 110, 25}));
    EXPECT_EQ(e.height, 15);
    EXPECT_EQ(e.rebuildCalls, 1);
    EXPECT_EQ(e.runRotation, 0.0);
}

TEST(Sizes, TheCurrentSizeChangesNothing) {
    RecordingOwner owner;
    TestElement e(&owner, {10, 10, 110, 60});
    e.runRotation = 30.0;
    owner.invalidated.clear();
    e.SetWidth(100);
    e.SetHeight(50);
    EXPECT_EQ(e.rebuildCalls, 0);
    EXPECT_EQ(e.runRotation, 30.0);
    EXPECT_TRUE(owner.invalidated.empty());
}

TEST(Sizes, TheComparisonIsWithTheRecordedSize) {
    // The recorded width decides, even when the rectangle says otherwise.
    TestElement e(nullptr, {0, 0, 100, 50});
    e.width = 80;
    e.SetWidth(100);
    EXPECT_EQ(e.width, 100);
    EXPECT_EQ(e.rebuildCalls, 1);
}

TEST(Invalidation, NothingReachesTheOwnerInRunModeOrWithoutOne) {
    TestElement loose(nullptr);
    loose.MoveBy(1, 1);  // no owner: nothing to ask, no crash
    RecordingOwner owner;
    TestElement e(&owner);
    e.Invalidate(Rect{1, 2, 3, 4});
    ASSERT_EQ(owner.invalidated.size(), 1u);
    EXPECT_EQ(owner.invalidated[0], (Rect{1, 2, 3, 4}));
    e.SetRunMode(&owner, true);
    owner.invalidated.clear();
    e.MoveBy(5, 5);
    e.Select(true);
    e.Invalidate();
    EXPECT_TRUE(owner.invalidated.empty());
    e.SetRunMode(&owner, false);
}

}  // namespace
