// The gauge document's file commands: Save, Save As, Open, Insert, with the version rules,
// refusals and the working folder.
#include <QImage>
#include <filesystem>

#include "GaugeDocumentFixture.h"
#include "files/GaugeVersion.h"

namespace {

using namespace dw;
using dwtest::GaugeDocumentTest;
using dwtest::ReadFile;

using FileSave = GaugeDocumentTest;
using FileOpen = GaugeDocumentTest;
using FileInsert = GaugeDocumentTest;

TEST_F(FileSave, WritesEveryPartInFileOrder) {
    FillDocument();
    doc.gaugePath = dir.File("cockpit.dwl");
    doc.modified = true;
    SetCharMode(CharMode::SingleByte);
    EXPECT_EQ(doc.SaveGauge(), CGaugeDocument::SaveOutcome::Saved);
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(ReadFile(dir.File("cockpit.dwl")), FilledDocumentText());

    SetCharMode(CharMode::Utf8);  // before any file was opened: the byte-order mark first
    EXPECT_TRUE(doc.WriteGauge());
    EXPECT_EQ(ReadFile(dir.File("cockpit.dwl")), "\xEF\xBB\xBF" + FilledDocumentText());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileSave, SavesTheSettingsFirst) {
    FillDocument();
    doc.gaugePath = dir.File("g.dwl");
    ASSERT_TRUE(doc.WriteGauge());
    ASSERT_GE(settings.writes.size(), 2u);
    EXPECT_EQ(settings.writes[0], "Options/BackColor");
    EXPECT_EQ(settings.writes[1], "Options/LastGauge");
    EXPECT_EQ(settings.ReadString("Options", "LastGauge", ""), dir.File("g.dwl"));
    EXPECT_EQ(settings.ReadInt("Options", "BackColor", 0), 0x102030);
    EXPECT_EQ(settings.ReadString("ZEKO", "Alias2", ""), "Radio");
    EXPECT_EQ(settings.ReadInt("ZEKO", "Rect_Right", 0), 815);
    EXPECT_EQ(settings.ReadInt("ZEKO", "Maximized", 0), 1);
}

TEST_F(FileSave, SaveAsAppendsDwlUnlessTheNameEndsInDwlOrXml) {
    const std::pair<std::string, std::string> cases[] = {{"panel", "panel.dwl"},
                                                         {"Panel.XML", "panel.xml"},
                                                         {"panel.txt", "panel.txt.dwl"},
                                                         {"PANEL.DWL", "panel.dwl"}};
    for (const auto& [chosen, stored] : cases) {
        ui.QueueFile(dir.File(chosen));
        EXPECT_EQ(doc.SaveGaugeAs(), CGaugeDocument::SaveOutcome::Saved) << chosen;
        EXPECT_EQ(doc.gaugePath, LowerLatin1(dir.Path().string()) + "/" + stored);
        EXPECT_TRUE(std::filesystem::exists(dir.File(stored))) << stored;
    }
    const FileRequest& request = ui.fileRequests.back();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "Save Gauge as...");
    EXPECT_EQ(request.filter, "ZEKO Gauges (*.dwl;*.xml)|*.dwl; *.xml|Todos (*.*)|*.*||");
    EXPECT_FALSE(request.overwritePrompt);
    EXPECT_EQ(request.initialName, LowerLatin1(dir.Path().string()) + "/panel.txt.dwl");
}

TEST_F(FileSave, SaveWithoutAPathAsksForOneAndCancelChangesNothing) {
    doc.modified = true;
    EXPECT_EQ(doc.SaveGauge(), CGaugeDocument::SaveOutcome::Cancelled);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.gaugePath, "");
    EXPECT_TRUE(settings.writes.empty());
}

TEST_F(FileSave, AFailedWriteIsReportedAndKeepsTheGaugeModified) {
    FillDocument();
    doc.modified = true;
    doc.gaugePath = dir.File("missing-folder/g.dwl");
    EXPECT_EQ(doc.SaveGauge(), CGaugeDocument::SaveOutcome::Failed);
    EXPECT_TRUE(doc.modified);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_NE(ui.messages[0].text.find(dir.File("missing-folder/g.dwl")), std::string::npos);

    // A folder in the way of the file: it is neither replaced nor touched.
    std::filesystem::create_directory(dir.File("taken.dwl"));
    doc.gaugePath = dir.File("taken.dwl");
    EXPECT_FALSE(doc.WriteGauge());
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.dwl")));
    EXPECT_TRUE(doc.modified);
}

TEST_F(FileSave, SavedGaugesOpenToAnEqualDocument) {
    FillDocument();
    doc.gaugePath = dir.File("round.dwl");
    ASSERT_TRUE(doc.WriteGauge());

    dwtest::ScriptedInteraction ui2;
    dw::HeadlessGaugeHost host2;
    CGaugeDocument other(ui2, clipboard, host2);
    ui2.QueueFile(dir.File("round.dwl"));
    ASSERT_TRUE(other.OpenGauge());
    EXPECT_TRUE(ui2.messages.empty());
    dwtest::ExpectSameLists(doc.elements, other.elements);
    EXPECT_EQ(other.gaugeName, doc.gaugeName);
    EXPECT_EQ(other.fps, doc.fps);
    EXPECT_EQ(other.backColor, doc.backColor);
    EXPECT_EQ(other.runAtStart, doc.runAtStart);
    EXPECT_EQ(other.aliasFile, doc.aliasFile);
    EXPECT_EQ(other.customColors, doc.customColors);
    EXPECT_EQ(other.link1.alias, "Sim");
    EXPECT_EQ(other.link2.port, 9001);
    EXPECT_EQ(host2.placement, host.placement);
    EXPECT_EQ(host2.title, "ZEKO Dialwright - Cockpit \"A\"");
    EXPECT_EQ(host2.runTimers, std::vector<int>{250});
    EXPECT_EQ(host2.aliasFiles, std::vector<std::string>{"aliases.txt"});
    EXPECT_FALSE(other.modified);

    // Written again, the file is the same to the byte.
    other.gaugePath = dir.File("again.dwl");
    ASSERT_TRUE(other.WriteGauge());
    EXPECT_EQ(ReadFile(dir.File("again.dwl")), ReadFile(dir.File("round.dwl")));
}

TEST_F(FileOpen, TheDialogAndCancel) {
    doc.gaugePath = "/somewhere/old.dwl";
    EXPECT_FALSE(doc.OpenGauge());
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileRequest& request = ui.fileRequests[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, "Open Gauge");
    EXPECT_EQ(request.filter, "ZEKO Gauges (*.dwl;*.xml)|*.dwl; *.xml|All (*.*)|*.*||");
    EXPECT_EQ(request.initialName, "/somewhere/old.dwl");
    EXPECT_TRUE(request.mustExist);
    EXPECT_EQ(doc.gaugePath, "/somewhere/old.dwl");
    EXPECT_EQ(host.repaints, 0);
}

TEST_F(FileOpen, TakesThePropertiesAndReplacesTheElements) {
    doc.elements = dwtest::SampleElements();
    doc.backColor = 0x808080;
    const std::string path =
        WriteGauge("g.dwl", GaugeText("2.0.0.0", "name=\"Dash\" fps=\"0\" backcolor=\"255\"",
                                      dwtest::SampleTextXml(1),
                                      "<zekolink_1 alias=\"One\" ip=\"1.2.3.4\" port=\"1\"/>\n"));
    ASSERT_TRUE(Open(path));
    EXPECT_EQ(doc.gaugePath, LowerLatin1(path));
    ASSERT_EQ(doc.elements.Count(), 1u);
    EXPECT_EQ(doc.elements.Head()->GetKind(), ElementKind::Text);
    EXPECT_EQ(doc.gaugeName, "Dash");
    EXPECT_EQ(doc.fps, 10);
    EXPECT_EQ(doc.backColor, 255u);
    EXPECT_EQ(host.backgrounds, std::vector<Colour>{255});
    EXPECT_EQ(doc.link1.alias, "One");
    EXPECT_EQ(doc.link2.alias, "MORV");  // no node in the file: the link is kept
    EXPECT_FALSE(doc.runAtStart);
    EXPECT_TRUE(host.runTimers.empty());
    EXPECT_EQ(host.title, "ZEKO Dialwright - Dash");
    EXPECT_GE(host.repaints, 1);
    EXPECT_GE(host.menuUpdates, 1);
}

TEST_F(FileOpen, FramesPerSecondAreKeptWithinOneToForty) {
    for (const auto& [attribute, fps] : std::vector<std::pair<std::string, int>>{
             {"fps=\"0\"", 10}, {"fps=\"\"", 10}, {"", 10}, {"fps=\"55\"", 40}, {"fps=\"7\"", 7}}) {
        ASSERT_TRUE(Open(WriteGauge("f.dwl", GaugeText("2.0.0.0", attribute)))) << attribute;
        EXPECT_EQ(doc.fps, fps) << attribute;
    }
    EXPECT_TRUE(host.backgrounds.size() == 1u);  // 0x808080 -> 0 once, then unchanged
}

TEST_F(FileOpen, OlderVersionsKeepTheWindowAndTheColours) {
    const std::string props =
        "name=\"Old\" maximized=\"1\" pos_x=\"5\" pos_y=\"6\" pos_w=\"7\" pos_h=\"8\" "
        "aliasfile=\"other.txt\" customcolor_0=\"42\"";
    ASSERT_TRUE(Open(WriteGauge("a.dwl", GaugeText("1.0.0.2", props))));
    EXPECT_EQ(host.placementsRestored, 0);
    EXPECT_EQ(doc.customColors[0], 0u);
    EXPECT_TRUE(host.aliasFiles.empty());

    ASSERT_TRUE(Open(WriteGauge("b.dwl", GaugeText("1.0.0.3", props))));
    EXPECT_EQ(host.placementsRestored, 1);
    EXPECT_EQ(host.placement, (WindowPlacement{5, 6, 7, 8, true}));
    EXPECT_EQ(doc.customColors[0], 0u);
    EXPECT_TRUE(host.aliasFiles.empty());

    ASSERT_TRUE(Open(WriteGauge("c.dwl", GaugeText("1.0.0.4", props))));
    EXPECT_EQ(doc.customColors[0], 42u);
    EXPECT_EQ(doc.aliasFile, "other.txt");
    EXPECT_EQ(host.aliasFiles, std::vector<std::string>{"other.txt"});

    ASSERT_TRUE(Open(WriteGauge("d.dwl", GaugeText("10.0.0.0", "name=\"Ten\""))));
    EXPECT_EQ(doc.gaugeName, "Ten");
}

TEST_F(FileOpen, RunAtStartPlaysTheGaugeAfter250Ms) {
    ASSERT_TRUE(Open(WriteGauge("r.dwl", GaugeText("2.0.0.0", "runatstart=\"yes\""))));
    EXPECT_TRUE(doc.runAtStart);
    EXPECT_EQ(host.runTimers, std::vector<int>{250});
    ASSERT_TRUE(Open(WriteGauge("s.dwl", GaugeText("2.0.0.0", "runatstart=\"Yes\""))));
    EXPECT_FALSE(doc.runAtStart);
    EXPECT_EQ(host.runTimers.size(), 1u);
}

TEST_F(FileOpen, NewerVersionsAreRefusedAndChangeNothing) {
    doc.elements = dwtest::SampleElements();
    doc.gaugeName = "Mine";
    doc.gaugePath = "/keep/me.dwl";
    const std::string folderBefore = WorkingFolder();
    for (const char* version : {"2.0.0.1", "3.0"}) {
        const std::string path = WriteGauge("new.dwl", GaugeText(version, "name=\"Newer\""));
        ui.messages.clear();
        EXPECT_FALSE(Open(path)) << version;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, "Invalid file format.");
        EXPECT_EQ(ui.messages[0].icon, Icon::Error);
        EXPECT_EQ(ui.messages[0].text, NewerFileMessage(LowerLatin1(path), version));
        EXPECT_EQ(doc.gaugeName, "Mine");
        EXPECT_EQ(doc.gaugePath, "/keep/me.dwl");
        EXPECT_EQ(doc.elements.Count(), 4u);
        EXPECT_EQ(WorkingFolder(), folderBefore);
    }
}

TEST_F(FileOpen, ParseErrorsAreReportedByTheXmlLayer) {
    doc.gaugePath = "/keep/me.dwl";
    EXPECT_FALSE(Open(WriteGauge("bad.dwl", "<gauge><properties></gauge>")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "XML Parsing error");
    EXPECT_FALSE(Open(WriteGauge("root.dwl", "<panel version=\"2.0.0.0\"/>")));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].text.find("First Tag should be 'gauge'."), std::string::npos);
    EXPECT_FALSE(Open(dir.File("absent.dwl")));
    EXPECT_EQ(doc.gaugePath, "/keep/me.dwl");
}

TEST_F(FileOpen, UnknownElementTypesAreSkipped) {
    const std::string elements = dwtest::SampleGraphXml(1) +
                                 "\t<element type=\"dial\" name=\"?\"/>\n" +
                                 dwtest::SampleAudioXml(1) + "\t<element name=\"untyped\"/>\n";
    ASSERT_TRUE(Open(WriteGauge("u.dwl", GaugeText("2.0.0.0", "", elements))));
    ASSERT_EQ(doc.elements.Count(), 2u);
    EXPECT_EQ(doc.elements.At(0)->GetKind(), ElementKind::Image);
    EXPECT_EQ(doc.elements.At(1)->GetKind(), ElementKind::Audio);
}

TEST_F(FileOpen, AnElementThatCannotBeBuiltLeavesTheGaugeAsItWas) {
    doc.elements = dwtest::SampleElements();
    doc.gaugeName = "Mine";
    doc.fps = 33;
    doc.modified = true;
    const std::string elements =
        dwtest::SampleTextXml(1) + "\t<element type=\"graph\" width=\"-7\" height=\"4\"/>\n";
    ui.QueueAnswer(Answer::No);  // do not save the changes first
    EXPECT_FALSE(Open(WriteGauge("broken.dwl", GaugeText("1.0.0.4",
                                                         "name=\"B\" fps=\"5\" customcolor_1=\"9\" "
                                                         "maximized=\"1\" runatstart=\"yes\"",
                                                         elements))));
    ASSERT_EQ(ui.messages.size(), 2u);  // the save question (answered No), then the error
    EXPECT_EQ(ui.messages[1].icon, Icon::Error);
    EXPECT_NE(ui.messages[1].text.find("element 2 (type \"graph\")"), std::string::npos);
    EXPECT_EQ(doc.elements.Count(), 4u);
    EXPECT_EQ(doc.gaugeName, "Mine");
    EXPECT_EQ(doc.fps, 33);
    EXPECT_EQ(doc.customColors[1], 0u);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(host.placementsRestored, 0);
    EXPECT_TRUE(host.runTimers.empty());
    EXPECT_TRUE(host.aliasFiles.empty());
}

TEST_F(FileOpen, GaugesBeyondTheLimitsAreRefused) {
    GaugeLimits limits;
    limits.maxElements = 2;
    limits.maxTotalPixels = 1000;
    CGaugeDocument small(ui, clipboard, host, nullptr, ElementFactory::Instance(), limits);
    const std::string three = std::string(3, ' ') +
                              "\t<element type=\"text\"/>\n"
                              "\t<element type=\"text\"/>\n"
                              "\t<element type=\"text\"/>\n";
    small.gaugePath = WriteGauge("three.dwl", GaugeText("2.0.0.0", "", three));
    EXPECT_FALSE(small.LoadGauge(false));
    const std::string big =
        "\t<element type=\"audio\" width=\"30\" height=\"30\"/>\n"
        "\t<element type=\"audio\" width=\"30\" height=\"30\"/>\n";
    small.gaugePath = WriteGauge("big.dwl", GaugeText("2.0.0.0", "", big));
    EXPECT_FALSE(small.LoadGauge(false));
    EXPECT_TRUE(small.elements.Empty());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[0].text.find("more elements"), std::string::npos);
    EXPECT_NE(ui.messages[1].text.find("too large"), std::string::npos);
}

TEST_F(FileOpen, ReopeningTheEditedFileAsksFirst) {
    const std::string path = WriteGauge("same.dwl", GaugeText("2.0.0.0", "name=\"Disk\""));
    ASSERT_TRUE(Open(path));
    doc.gaugeName = "Edited";
    doc.modified = true;

    ui.QueueAnswer(Answer::No);  // do not save
    ui.QueueAnswer(Answer::No);  // do not discard
    EXPECT_FALSE(Open(path));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "Warning");
    EXPECT_EQ(ui.messages[1].text,
              "The file you want to open is the one you are editing.\r\nDo you want discard "
              "changes and back to last saved version?");
    EXPECT_EQ(ui.messages[1].buttons, Buttons::YesNo);
    EXPECT_EQ(doc.gaugeName, "Edited");
    EXPECT_TRUE(doc.modified);

    ui.QueueAnswer(Answer::No);
    ui.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(Open(path));
    EXPECT_EQ(doc.gaugeName, "Disk");
    EXPECT_FALSE(doc.modified);
}

TEST_F(FileOpen, AWindowsGaugeFindsItsFilesInAnyLetterCase) {
    std::filesystem::create_directories(dir.Path() / "Gauges" / "Img");
    const std::string picture = dir.File("Gauges/Img/Dial.PNG");
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(picture), "PNG"));
    // Stored as on Windows: a backslash and other letter case; no size, so the element
    // takes the picture's own size once the picture is found.
    const std::string path = WriteGauge(
        "Gauges/Panel.DWL",
        GaugeText("2.0.0.0", "name=\"Win\"",
                  "\t<element type=\"graph\" file=\"IMG\\dial.png\" left=\"3\" top=\"4\"/>\n"));
    ASSERT_TRUE(Open(path));  // the dialog's path is kept lower-cased
    EXPECT_EQ(doc.gaugePath, LowerLatin1(path));
    EXPECT_EQ(WorkingFolder(), LowerLatin1((dir.Path() / "Gauges").string()));
    ASSERT_EQ(doc.elements.Count(), 1u);
    EXPECT_EQ(doc.elements.Head()->GetRect(), (Rect{3, 4, 10, 9}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ResolveStoredPath(doc.elements.Head()->file), picture);
    EXPECT_EQ(MakeRelativePath(picture), "img/dial.png");

    // Saved back to the same lower-cased path, the file keeps its name on disk.
    ASSERT_TRUE(doc.WriteGauge());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "gauges"));
    EXPECT_NE(ReadFile(path).find("name=\"Win\""), std::string::npos);
}

TEST_F(FileInsert, AddsTheElementsOnTopAsOneNewGroup) {
    doc.elements.Append(dwtest::SampleGraph());
    doc.elements.Append(dwtest::SampleText());
    doc.elements.Append(dwtest::SamplePrimitive());
    doc.gaugeName = "Base";
    doc.gaugePath = "/base.dwl";
    doc.fps = 12;
    doc.groupCounter = 4;
    host.title = "ZEKO Dialwright - Base";
    const std::string path =
        WriteGauge("two.dwl", GaugeText("2.0.0.0", "name=\"Other\" fps=\"30\" runatstart=\"yes\"",
                                        dwtest::SampleAudioXml(1) + dwtest::SampleTextXml(1)));
    ui.QueueFile(path);
    ASSERT_TRUE(doc.InsertGauge());

    EXPECT_EQ(ui.fileRequests[0].title, "Insertar otro Gauge");
    EXPECT_EQ(ui.fileRequests[0].filter,
              "ZEKO Gauges (*.dwl;*.xml)|*.dwl; *.xml|Todos (*.*)|*.*||");
    EXPECT_EQ(host.undoCodes, std::vector<int>{8});
    ASSERT_EQ(doc.elements.Count(), 5u);
    EXPECT_EQ(doc.elements.At(3)->GetKind(), ElementKind::Audio);
    EXPECT_EQ(doc.elements.At(4)->GetKind(), ElementKind::Text);
    EXPECT_EQ(doc.groupCounter, 5);
    EXPECT_EQ(doc.elements.At(3)->GetGroup(), 5);
    EXPECT_EQ(doc.elements.At(4)->GetGroup(), 5);
    EXPECT_EQ(doc.elements.At(0)->GetGroup(), 0);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.gaugePath, "/base.dwl");
    EXPECT_EQ(doc.gaugeName, "Base");
    EXPECT_EQ(doc.fps, 12);
    EXPECT_FALSE(doc.runAtStart);
    EXPECT_TRUE(host.runTimers.empty());
    EXPECT_EQ(host.title, "ZEKO Dialwright - Base");
    EXPECT_GE(host.statusUpdates, 1);
}

TEST_F(FileInsert, CancelRecordsNoUndoStep) {
    EXPECT_FALSE(doc.InsertGauge());
    EXPECT_TRUE(host.undoCodes.empty());
    EXPECT_FALSE(doc.modified);
}

}  // namespace
