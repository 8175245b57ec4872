// The undo ring's exact rules.
#include <gtest/gtest.h>

#include "editor/UndoRing.h"

namespace {

using dw::UndoRing;

// A gauge reduced to a counter: every operation adds one; a snapshot is its text.
struct Counter {
    int value = 0;
    UndoRing ring;
    UndoRing::Snapshot snapshot = [this] { return std::to_string(value); };

    void Operation(int code) {
        ring.Record(code, snapshot);
        ++value;
    }
    bool Undo() { return Restore(ring.Undo(snapshot)); }
    bool Redo() { return Restore(ring.Redo()); }
    bool Restore(const std::optional<std::string>& text) {
        if (text) value = std::stoi(*text);
        return text.has_value();
    }
};

TEST(UndoRing, RunsOfOneCodeAreOneStepAndANewOperationCutsRedoOff) {
    Counter c;
    c.Operation(1);
    c.Operation(1);  // a run of arrow keys: one step
    c.Operation(0);  // a selection change: no snapshot, but a new run begins
    c.Operation(1);
    EXPECT_EQ(c.ring.Count(), 2);
    ASSERT_TRUE(c.Undo());
    EXPECT_EQ(c.value, 3);
    ASSERT_TRUE(c.Undo());
    EXPECT_FALSE(c.Undo());
    ASSERT_TRUE(c.Redo());
    ASSERT_TRUE(c.Redo());
    EXPECT_EQ(c.value, 4) << "the state kept by the first Undo";
    EXPECT_FALSE(c.Redo());
    ASSERT_TRUE(c.Undo());
    c.Operation(7);
    EXPECT_FALSE(c.Redo());
    ASSERT_TRUE(c.Undo());
    EXPECT_EQ(c.value, 3);
}

TEST(UndoRing, AfterOneHundredTwentyOperationsNinetyNineCanBeUndone) {
    Counter c;
    for (int i = 0; i < 120; ++i) c.Operation(i % 2 ? 5 : 6);
    int undone = 0;
    while (c.Undo()) ++undone;
    EXPECT_EQ(undone, 99);
    EXPECT_EQ(c.value, 21);
    // The whole way forward again.
    int redone = 0;
    while (c.Redo()) ++redone;
    EXPECT_EQ(redone, 99);
    EXPECT_EQ(c.value, 120);
}

}  // namespace
