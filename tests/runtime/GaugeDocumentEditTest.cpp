// The gauge document's New command, Copy and Paste through the clipboard, and undo
// snapshots (the save prompt's answers are driven through the editor window's tests).
#include "GaugeTestSupport.h"
#include "files/GaugeSkeleton.h"

namespace {

using namespace dw;
using dwtest::Layout;
using NewGauge = dwtest::GaugeDocumentTest;
using Clipboard = dwtest::GaugeDocumentTest;
const std::string kSampleLayout =
    "graph 10,20 g0 | text -5,7 g0 | primitive 0,0 g0 | audio 10,10 g0";

TEST_F(NewGauge, StartsAnEmptyGaugeAndOpensItsProperties) {
    FillDocument();
    doc.modified = true;
    doc.gaugePath = "/x/y.dwl";
    settings.Seed("ZEKO", "AliasFile", "/data/alias.txt");
    ui.QueueAnswer(Answer::No);
    ASSERT_TRUE(doc.NewGauge());
    // Frames per second, the links and the custom colours stay.
    EXPECT_EQ(Summary(),
              "New fps25 run0 c4294967295 []  | at -8,12 1024x768 max1 placed0 timers0 "
              "reloads1 | <Save before exit...>");
    EXPECT_EQ(host.backgrounds, std::vector<Colour>{0x808080});
    EXPECT_EQ(host.aliasFiles, std::vector<std::string>{"/data/alias.txt"});
}

TEST_F(Clipboard, CopyWritesTheSelectedElementsInListOrderAsAFragment) {
    FillDocument();
    doc.elements.At(3)->Select(true);
    doc.elements.At(1)->Select(true);
    doc.CopySelection();
    const std::string file = dwtest::SampleGaugeText();
    EXPECT_EQ(clipboard.text,
              file.substr(0, file.find("\t<properties")) +
                  "\t<properties copyfromgauge=\"Caf\xE9 &amp; &quot;A&quot;\"/>\n" +
                  dwtest::SampleXml(dwtest::kText) + dwtest::SampleXml(dwtest::kAudio) +
                  "</gauge>\n");
    EXPECT_TRUE(doc.ClipboardHasFragment());
    EXPECT_FALSE(doc.modified);
    clipboard.text = "just some text";
    EXPECT_FALSE(doc.PasteFragment());
    EXPECT_TRUE(host.undoCodes.empty());
}

// Several elements pasted become a new group: the editor's cut and paste test.
TEST_F(Clipboard, PasteOffsetsAndSelectsASingleElementWithoutANewGroup) {
    FillDocument();
    doc.groupCounter = 2;
    doc.elements.At(1)->Select(true);
    doc.CopySelection();
    ASSERT_TRUE(doc.PasteFragment());
    EXPECT_EQ(host.undoCodes, std::vector<int>{3});
    EXPECT_EQ(doc.groupCounter, 2);
    EXPECT_EQ(Layout(doc.elements), kSampleLayout + " | text 20,32 g0*!");

    // A newer fragment is refused with a message, a broken one ignored without.
    clipboard.text = std::string(kGaugeTextPrefix) + "version=\"2.0.0.1\">\n" +
                     dwtest::SampleXml(dwtest::kText) + "</gauge>\n";
    EXPECT_FALSE(doc.PasteFragment());
    EXPECT_EQ(Message(0),
              std::make_tuple("Invalid file format.", Icon::Error,
                              "The info you are 'pasting' is incompatible with this version of "
                              "Dialwright.\r\n\r\nIt's on 2.0.0.1 version and, must be on 2.0.0.0 "
                              "version, or on a newest one."));
    clipboard.text = std::string(kGaugeTextPrefix) + "version=\"2.0.0.0\">\n<element type=";
    EXPECT_TRUE(doc.ClipboardHasFragment());
    EXPECT_FALSE(doc.PasteFragment());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(doc.elements.Count(), 5u);
}

TEST_F(Clipboard, SnapshotsHoldOnlyTheElementsAndRestoreThemInPlace) {
    const std::string empty = doc.SnapshotText();
    FillDocument();
    doc.elements.At(2)->Select(true);
    const std::string snapshot = doc.SnapshotText();
    const std::string file = dwtest::SampleGaugeText();
    EXPECT_EQ(snapshot,
              file.substr(0, file.find("\t<properties")) + file.substr(file.find("\t<element ")));
    doc.elements.Remove(doc.elements.At(1));
    doc.modified = false;
    ASSERT_TRUE(doc.RestoreSnapshot(snapshot));
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(Layout(doc.elements), kSampleLayout);  // no selection
    EXPECT_FALSE(doc.RestoreSnapshot("<gauge"));
    EXPECT_EQ(doc.elements.Count(), 4u);
    ASSERT_TRUE(doc.RestoreSnapshot(empty));
    EXPECT_TRUE(doc.elements.Empty());
}

}  // namespace
