// Restoring an undo snapshot keeps the elements it holds unchanged instead of building them
// again; what the user sees is the same as if every element had been read anew.
#include "GaugeTestSupport.h"

namespace {

using namespace dw;
using UndoRestore = dwtest::GaugeDocumentTest;

TEST_F(UndoRestore, UnchangedElementsAreKeptAsIfReadAnew) {
    doc.elements = dwtest::SampleElements();  // graph, text, primitive, audio
    doc.elements.Append(dwtest::Sample(dwtest::kText));
    const std::string snapshot = doc.SnapshotText();
    std::vector<CElement*> before;
    for (CElement& element : doc.elements) before.push_back(&element);

    before[0]->Rotate(30.0, 0);    // turned in the editor: built again, unturned
    before[1]->SetGroup(7);        // not part of a snapshot: dropped as on reading
    before[1]->Select(true);       // selection too
    before[2]->MoveBy(3, 0);       // changed: built again
    before[4]->linkedOffset = 99;  // read again from the program
    ASSERT_TRUE(doc.RestoreSnapshot(snapshot));
    EXPECT_EQ(doc.SnapshotText(), snapshot);
    ASSERT_EQ(doc.elements.Count(), 5u);
    std::vector<CElement*> after;
    for (CElement& element : doc.elements) after.push_back(&element);
    EXPECT_EQ(std::vector({after[1], after[3], after[4]}),
              std::vector({before[1], before[3], before[4]}));
    EXPECT_EQ(after[0]->runRotation, 0.0);
    EXPECT_EQ(after[1]->GetGroup(), 0);
    EXPECT_FALSE(after[1]->IsSelected() || after[1]->IsPrimary());
    EXPECT_EQ(after[2]->GetRect(), dwtest::Sample(dwtest::kPrimitive)->GetRect());
    EXPECT_EQ(after[4]->linkedOffset, dwtest::Sample(dwtest::kText)->linkedOffset);

    // Reordered and removed elements: the snapshot's order is what comes back.
    after[4]->BringToFront();
    doc.elements.Remove(after[1]);
    doc.elements.At(0)->SendToBack();
    ASSERT_TRUE(doc.RestoreSnapshot(snapshot));
    EXPECT_EQ(doc.SnapshotText(), snapshot);
}

}  // namespace
