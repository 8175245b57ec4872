// The gauge document's New command, the save prompt, Copy, Cut and Paste through the
// clipboard, and undo snapshots.
#include "GaugeDocumentFixture.h"
#include "files/GaugeSkeleton.h"
#include "files/GaugeVersion.h"

namespace {

using namespace dw;
using dwtest::GaugeDocumentTest;

using NewGauge = GaugeDocumentTest;
using SavePrompt = GaugeDocumentTest;
using Clipboard = GaugeDocumentTest;
using Snapshot = GaugeDocumentTest;

const char* const kPromptText =
    "You have made some changes.\r\nDo you want to save them before exit?";

TEST_F(SavePrompt, AsksOnlyWhenModified) {
    EXPECT_TRUE(doc.AskSaveChanges());
    EXPECT_TRUE(ui.messages.empty());

    doc.modified = true;
    ui.QueueAnswer(Answer::No);
    EXPECT_TRUE(doc.AskSaveChanges());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Save before exit...");
    EXPECT_EQ(ui.messages[0].text, kPromptText);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(ui.messages[0].icon, Icon::Question);

    ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(doc.AskSaveChanges());
    EXPECT_TRUE(doc.modified);
}

TEST_F(SavePrompt, YesSavesAndGoesOnUnlessTheSaveFails) {
    FillDocument();
    doc.modified = true;
    doc.gaugePath = dir.File("p.dwl");
    ui.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(doc.AskSaveChanges());
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(dwtest::ReadFile(dir.File("p.dwl")).empty());

    // A save that fails stops the command, so that nothing is thrown away.
    doc.modified = true;
    doc.gaugePath = dir.File("no-folder/p.dwl");
    ui.QueueAnswer(Answer::Yes);
    EXPECT_FALSE(doc.AskSaveChanges());
    EXPECT_TRUE(doc.modified);

    // Cancelling the Save As dialog goes on.
    doc.gaugePath.clear();
    ui.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(doc.AskSaveChanges());
}

TEST_F(NewGauge, StartsAnEmptyGaugeAndOpensItsProperties) {
    FillDocument();
    doc.gaugePath = "/x/y.dwl";
    settings.Seed("ZEKO", "AliasFile", "/data/alias.txt");
    ASSERT_TRUE(doc.NewGauge());
    EXPECT_TRUE(doc.elements.Empty());
    EXPECT_EQ(doc.backColor, 0x808080u);
    EXPECT_EQ(host.backgrounds, std::vector<Colour>{0x808080});
    EXPECT_EQ(doc.gaugeName, "New");
    EXPECT_EQ(doc.gaugePath, "");
    EXPECT_FALSE(doc.runAtStart);
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(host.title, "ZEKO Dialwright - New");
    EXPECT_EQ(doc.aliasFile, "/data/alias.txt");
    EXPECT_EQ(host.aliasFiles, std::vector<std::string>{"/data/alias.txt"});
    EXPECT_EQ(host.propertiesDialogs, 1);
    // Frames per second, the links and the custom colours stay.
    EXPECT_EQ(doc.fps, 25);
    EXPECT_EQ(doc.link1.alias, "Sim");
    EXPECT_EQ(doc.customColors[3], 1003u);
}

TEST_F(NewGauge, CancelAtThePromptKeepsEverything) {
    FillDocument();
    doc.modified = true;
    ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(doc.NewGauge());
    EXPECT_EQ(doc.elements.Count(), 4u);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(host.propertiesDialogs, 0);
}

TEST_F(Clipboard, CopyPutsTheSelectedElementsInListOrder) {
    FillDocument();
    doc.elements.At(3)->Select(true);
    doc.elements.At(1)->Select(true);
    EXPECT_FALSE(doc.ClipboardHasFragment());
    doc.CopySelection();
    EXPECT_EQ(
        clipboard.text,
        std::string(kGaugeTextPrefix) + "xmlns=\"" + kGaugeSchemaAddress +
            "\" version=\"2.0.0.0\">\n\t<properties copyfromgauge=\"Cockpit &quot;A&quot;\"/>\n" +
            dwtest::SampleTextXml(1) + dwtest::SampleAudioXml(1) + "</gauge>\n");
    EXPECT_TRUE(doc.ClipboardHasFragment());
    EXPECT_FALSE(doc.modified);
    EXPECT_GE(host.menuUpdates, 1);

    clipboard.text = "just some text";
    EXPECT_FALSE(doc.ClipboardHasFragment());
    EXPECT_FALSE(doc.PasteFragment());
    EXPECT_TRUE(host.undoCodes.empty());
}

TEST_F(Clipboard, CutRemovesTheSelectionAndKeepsTheOrderOfTheRest) {
    FillDocument();
    doc.elements.Append(dwtest::SampleGraph());
    CElement* second = doc.elements.At(1);
    CElement* fourth = doc.elements.At(3);
    for (std::size_t i : {0u, 2u, 4u}) doc.elements.At(i)->Select(true);
    doc.CutSelection();
    ASSERT_EQ(doc.elements.Count(), 2u);
    EXPECT_EQ(doc.elements.Head(), second);
    EXPECT_EQ(doc.elements.At(1), fourth);
    EXPECT_EQ(second->GetPrev(), nullptr);
    EXPECT_TRUE(doc.modified);
    const XmlNode root = ParseString(clipboard.text, "gauge", nullptr);
    EXPECT_EQ(root.ChildCount("element"), 3);
}

TEST_F(Clipboard, PasteOffsetsGroupsAndSelectsTheNewElements) {
    FillDocument();
    doc.groupCounter = 2;
    doc.elements.At(0)->Select(true);
    doc.elements.At(2)->Select(true);
    doc.CopySelection();
    const Rect firstRect = doc.elements.At(0)->GetRect();
    ASSERT_TRUE(doc.PasteFragment());

    EXPECT_EQ(host.undoCodes, std::vector<int>{3});
    ASSERT_EQ(doc.elements.Count(), 6u);
    EXPECT_FALSE(doc.elements.At(0)->IsSelected());
    EXPECT_FALSE(doc.elements.At(2)->IsSelected());
    CElement* a = doc.elements.At(4);
    CElement* b = doc.elements.At(5);
    EXPECT_EQ(a->GetKind(), ElementKind::Image);
    EXPECT_EQ(b->GetKind(), ElementKind::Primitive);
    EXPECT_EQ(a->GetRect(), firstRect.Offset(25, 25));
    EXPECT_EQ(doc.groupCounter, 3);
    EXPECT_EQ(a->GetGroup(), 3);
    EXPECT_EQ(b->GetGroup(), 3);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_TRUE(a->IsPrimary());
    EXPECT_FALSE(b->IsPrimary());
    EXPECT_TRUE(doc.modified);
}

TEST_F(Clipboard, ASingleElementIsPastedWithoutAGroup) {
    FillDocument();
    doc.elements.At(1)->Select(true);
    doc.CopySelection();
    ASSERT_TRUE(doc.PasteFragment());
    EXPECT_EQ(doc.groupCounter, 0);
    EXPECT_EQ(doc.elements.Last()->GetGroup(), 0);
    EXPECT_TRUE(doc.elements.Last()->IsPrimary());
}

TEST_F(Clipboard, NewerFragmentsAreRefusedAndBrokenOnesIgnored) {
    FillDocument();
    clipboard.text = std::string(kGaugeTextPrefix) + "version=\"2.0.0.1\">\n" +
                     dwtest::SampleTextXml(1) + "</gauge>\n";
    EXPECT_FALSE(doc.PasteFragment());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Invalid file format.");
    EXPECT_EQ(ui.messages[0].text, NewerFragmentMessage("2.0.0.1"));
    EXPECT_EQ(doc.elements.Count(), 4u);

    clipboard.text = std::string(kGaugeTextPrefix) + "version=\"2.0.0.0\">\n<element type=";
    EXPECT_TRUE(doc.ClipboardHasFragment());
    EXPECT_FALSE(doc.PasteFragment());
    EXPECT_EQ(ui.messages.size(), 1u);  // no message for a fragment that does not parse
    EXPECT_EQ(doc.elements.Count(), 4u);
}

TEST_F(Snapshot, HoldsOnlyTheElementsAndRestoresThemInPlace) {
    FillDocument();
    doc.elements.At(2)->Select(true);
    const std::string snapshot = doc.SnapshotText();
    EXPECT_EQ(snapshot, std::string(kGaugeTextPrefix) + "xmlns=\"" + kGaugeSchemaAddress +
                            "\" version=\"2.0.0.0\">\n" + dwtest::SampleGraphXml(1) +
                            dwtest::SampleTextXml(1) + dwtest::SamplePrimitiveXml(1) +
                            dwtest::SampleAudioXml(1) + "</gauge>\n");

    const dw::ElementList before = dwtest::SampleElements();
    doc.elements.Remove(doc.elements.At(1));
    doc.elements.Head()->MoveBy(100, 100);
    doc.modified = false;
    ASSERT_TRUE(doc.RestoreSnapshot(snapshot));
    dwtest::ExpectSameLists(before, doc.elements);
    for (const CElement& e : doc.elements) {
        EXPECT_FALSE(e.IsSelected());
        EXPECT_EQ(e.GetGroup(), 0);
    }
    EXPECT_TRUE(doc.modified);

    // Restoring appends without offset, group or selection.
    ASSERT_TRUE(doc.InsertFragment(snapshot, true));
    ASSERT_EQ(doc.elements.Count(), 8u);
    EXPECT_EQ(doc.elements.At(4)->GetRect(), doc.elements.At(0)->GetRect());
    EXPECT_FALSE(doc.elements.At(4)->IsSelected());
    EXPECT_EQ(doc.elements.At(4)->GetGroup(), 0);

    EXPECT_FALSE(doc.RestoreSnapshot("<gauge"));
    EXPECT_EQ(doc.elements.Count(), 8u);
}

TEST_F(Snapshot, AnEmptyGaugeGivesAnEmptySnapshot) {
    const std::string snapshot = doc.SnapshotText();
    EXPECT_TRUE(IsGaugeFragmentText(snapshot));
    FillDocument();
    ASSERT_TRUE(doc.RestoreSnapshot(snapshot));
    EXPECT_TRUE(doc.elements.Empty());
}

}  // namespace
