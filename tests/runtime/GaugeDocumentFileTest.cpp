// The gauge document's file commands: Save, Save As, Open, Insert, with the version rules,
// refusals, all-or-nothing loads and the working folder. (Reading back what was saved is
// checked byte for byte by the dwtool resave tests.)
#include <filesystem>

#include "GaugeTestSupport.h"
#include "support/FsGaugeText.h"

namespace {

using namespace dw;
using dwtest::HasSubstr;
using dwtest::ReadFile;
using FileSave = dwtest::GaugeDocumentTest;
using FileOpen = dwtest::GaugeDocumentTest;

const char* const kTodosFilter = "ZEKO Gauges (*.dwl;*.xml)|*.dwl; *.xml|Todos (*.*)|*.*||";

TEST_F(FileSave, WritesEveryPartInFileOrderAfterTheSettings) {
    FillDocument();
    doc.gaugePath = dir.File("cockpit.dwl");
    doc.modified = true;
    EXPECT_EQ(doc.SaveGauge(), CGaugeDocument::SaveOutcome::Saved);
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(ReadFile(doc.gaugePath), dwtest::SampleGaugeText());
    EXPECT_EQ(settings.writes.at(0), "Options/BackColor");
    EXPECT_EQ(settings.ReadString("Options", "LastGauge", ""), doc.gaugePath);

    // A failed write is reported and keeps the old file and the gauge modified (the long
    // name leaves no room for the temporary file beside it).
    doc.gaugePath = dir.Write(std::string(250, 'g'), "old");
    doc.modified = true;
    EXPECT_EQ(doc.SaveGauge(), CGaugeDocument::SaveOutcome::Failed);
    EXPECT_EQ(std::get<1>(Message(0)), Icon::Error);
    EXPECT_THAT(std::get<2>(Message(0)), HasSubstr(doc.gaugePath));
    EXPECT_EQ(std::make_tuple(ReadFile(doc.gaugePath), doc.modified), std::make_tuple("old", true));
}

TEST_F(FileSave, SaveAsAppendsDwlUnlessTheNameEndsInDwlOrXml) {
    doc.modified = true;
    EXPECT_EQ(doc.SaveGauge(), CGaugeDocument::SaveOutcome::Cancelled);  // no path: Save As
    EXPECT_TRUE(doc.modified && settings.writes.empty());
    const std::pair<std::string, std::string> cases[] = {
        {"panel", "panel.dwl"}, {"Panel.XML", "panel.xml"}, {"panel.txt", "panel.txt.dwl"}};
    for (const auto& [chosen, stored] : cases) {
        ui.QueueFile(dir.File(chosen));
        EXPECT_EQ(doc.SaveGaugeAs(), CGaugeDocument::SaveOutcome::Saved) << chosen;
        EXPECT_EQ(doc.gaugePath, LowerLatin1(dir.Path().string()) + "/" + stored);
        EXPECT_TRUE(std::filesystem::exists(dir.File(stored))) << stored;
    }
    const FileRequest& request = ui.fileRequests.back();
    EXPECT_EQ(std::tie(request.save, request.title, request.filter, request.overwritePrompt),
              std::make_tuple(true, "Save Gauge as...", kTodosFilter, false));
    EXPECT_EQ(request.initialName, LowerLatin1(dir.Path().string()) + "/panel.xml");
}

TEST_F(FileOpen, TheDialogAndWhatTheFileSets) {
    doc.gaugePath = "/somewhere/old.dwl";
    EXPECT_FALSE(doc.OpenGauge());  // cancelled: nothing changes
    EXPECT_EQ(std::tie(ui.fileRequests.at(0).title, ui.fileRequests.at(0).initialName),
              std::make_tuple("Open Gauge", "/somewhere/old.dwl"));
    EXPECT_EQ(doc.gaugePath, "/somewhere/old.dwl");
    const std::string path = WriteGauge("G.dwl", "2.0.0.0", "name=\"Dash\" backcolor=\"255\"", "",
                                        "<zekolink_1 alias=\"One\" ip=\"1.2.3.4\" port=\"1\"/>\n");
    ASSERT_TRUE(Open(path));
    EXPECT_EQ(std::tie(doc.link1.alias, doc.link2.alias, host.title),
              std::make_tuple("One", "MORV", "ZEKO Dialwright - Dash"));  // link 2 is kept
    const std::pair<const char*, int> fpsCases[] = {
        {"fps=\"0\"", 10}, {"fps=\"1\"", 1}, {"fps=\"55\"", 40}};
    for (const auto& [attribute, fps] : fpsCases) {
        ASSERT_TRUE(Open(WriteGauge("f.dwl", "2.0.0.0", attribute))) << attribute;
        EXPECT_EQ(doc.fps, fps) << attribute;
    }
    EXPECT_EQ(host.backgrounds, (std::vector<Colour>{255, 0}));  // told only of changes
}

// Each file is opened over the sample gauge with unsaved changes (the user does not save
// them): what is taken depends on the version, and a file that is refused changes nothing.
TEST_F(FileOpen, VersionsFlagsAndRefusals) {
    const std::string old =
        "name=\"Old\" maximized=\"1\" pos_x=\"5\" pos_y=\"6\" pos_w=\"7\" pos_h=\"8\" "
        "aliasfile=\"other.txt\" customcolor_0=\"42\" runatstart=\"yes\"";
    const std::string text = dwtest::SampleXml(dwtest::kText);
    const std::string kept =
        "Caf\xE9 & \"A\" fps25 run1 c4294967295 [graph text primitive audio] me.dwl modified | "
        "at -8,12 1024x768 max1 placed0 timers0 reloads0 | <Save before exit...>";
    const std::pair<std::string, std::string> rows[] = {
        {GaugeText("1.0.0.2", old),
         "Old fps10 run1 c4294967295 [] g.dwl | at -8,12 1024x768 "
         "max1 placed0 timers1 reloads0 | <Save before exit...>"},
        {GaugeText("1.0.0.4", old),
         "Old fps10 run1 c42 [] g.dwl | at 5,6 7x8 max1 placed1 "
         "timers1 reloads1 | <Save before exit...>"},
        {GaugeText("10.0.0.0", "name=\"Ten\" maximized=\"2\" runatstart=\"Yes\""),
         "Ten fps10 run0 c0 [] g.dwl | at 0,0 0x0 max0 placed1 timers0 reloads1 | <Save before "
         "exit...>"},
        {GaugeText("2.0.0.0", "RUNATSTART=\"yes\"",
                   text + "<element type=\"dial\"/>" + dwtest::SampleXml(dwtest::kAudio) +
                       "<element name=\"untyped\"/>"),
         " fps10 run1 c0 [text audio] g.dwl | at 0,0 0x0 max0 placed1 timers1 reloads1 | <Save "
         "before exit...>"},
        {GaugeText("2.0.0.1", old), kept + " <Invalid file format.>"},
        {"<gauge><properties></gauge>", kept + " <XML Parsing error>"},
        {"<panel version=\"2.0.0.0\"/>", kept + " <XML Parsing error>"}};
    for (const auto& [file, expected] : rows) {
        SCOPED_TRACE(file.substr(0, 90));
        dwtest::GaugeSession session;
        session.FillDocument();
        session.doc.gaugePath = "/keep/me.dwl";
        session.doc.modified = true;
        session.ui.QueueAnswer(Answer::No);
        const std::string folderBefore = WorkingFolder();
        const bool opened = session.Open(dir.Write("g.dwl", file));
        EXPECT_EQ(session.Summary(), expected);
        EXPECT_EQ(WorkingFolder() == folderBefore, !opened);
        ResetWorkingFolder();
    }
}

TEST_F(FileOpen, RefusalMessagesAndLimits) {
    const std::string path = WriteGauge("new.dwl", "2.0.0.1", "");
    EXPECT_FALSE(Open(path));
    EXPECT_EQ(
        Message(0),
        std::make_tuple("Invalid file format.", Icon::Error,
                        "The file " + LowerLatin1(path) +
                            " you are loading is incompatible with this version of "
                            "Dialwright.\r\n\r\nIt's on 2.0.0.1 version and, must be on "
                            "2.0.0.0 version, or on a older one.\r\n\r\nPlease, got to " +
                            kDialwrightWebSite + " and download the las version of Dialwright."));
    GaugeLimits limits;  // too many elements
    limits.maxElements = 2;
    CGaugeDocument small(ui, clipboard, host, nullptr, ElementFactory::Instance(), limits);
    const std::string text = "<element type=\"text\"/>";
    small.gaugePath = WriteGauge("three.dwl", "2.0.0.0", "", text + text + text);
    EXPECT_FALSE(small.LoadGauge(false));
    EXPECT_THAT(std::get<2>(Message(1)), HasSubstr("more elements"));
    EXPECT_TRUE(small.elements.Empty());
}

TEST_F(FileOpen, ReopeningTheEditedFileAsksFirst) {
    const std::string path = WriteGauge("same.dwl", "2.0.0.0", "name=\"Disk\"");
    ASSERT_TRUE(Open(path));
    std::tie(doc.gaugeName, doc.modified) = std::make_tuple("Edited", true);
    for (Answer answer : {Answer::No, Answer::No}) ui.QueueAnswer(answer);  // no save, no discard
    EXPECT_FALSE(Open(path));
    EXPECT_EQ(Message(1), std::make_tuple("Warning", Icon::Question,
                                          "The file you want to open is the one you are "
                                          "editing.\r\nDo you want discard changes and back to "
                                          "last saved version?"));
    EXPECT_EQ(ui.messages.at(1).buttons, Buttons::YesNo);
    EXPECT_EQ(std::tie(doc.gaugeName, doc.modified), std::make_tuple("Edited", true));
    for (Answer answer : {Answer::No, Answer::Yes}) ui.QueueAnswer(answer);
    EXPECT_TRUE(Open(path));
    EXPECT_EQ(std::tie(doc.gaugeName, doc.modified), std::make_tuple("Disk", false));
}

TEST_F(FileOpen, AWindowsGaugeFindsItsFilesInAnyLetterCase) {
    dir.Write("Gauges/Img/Dial.BMP", dwtest::BmpBytes(7, 5, 0xFF0000));
    // Stored as on Windows: a backslash and other letter case; no size, so the element
    // takes the picture's own size once the picture is found.
    const std::string path =
        WriteGauge("Gauges/Panel.DWL", "2.0.0.0", "name=\"Win\"",
                   "<element type=\"graph\" file=\"IMG\\dial.bmp\" left=\"3\" top=\"4\"/>");
    ASSERT_TRUE(Open(path));  // the dialog's path is kept lower-cased
    EXPECT_EQ(doc.gaugePath, LowerLatin1(path));
    EXPECT_EQ(WorkingFolder(), LowerLatin1((dir.Path() / "Gauges").string()));
    EXPECT_EQ(doc.elements.Head()->GetRect(), (Rect{3, 4, 10, 9}));
    EXPECT_TRUE(ui.messages.empty());
    // Saved back to the same lower-cased path, the file keeps its name on disk.
    ASSERT_TRUE(doc.WriteGauge());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "gauges"));
    EXPECT_THAT(ReadFile(path), HasSubstr("name=\"Win\""));
}

TEST_F(FileOpen, InsertAddsTheElementsOnTopAsOneNewGroup) {
    EXPECT_FALSE(doc.InsertGauge());  // cancelled: no undo step
    EXPECT_TRUE(host.undoCodes.empty());
    doc.elements = dwtest::SampleElements();
    doc.elements.Remove(doc.elements.Last());
    std::tie(doc.gaugeName, doc.gaugePath, doc.fps, doc.groupCounter) =
        std::make_tuple("Base", "/base.dwl", 12, 4);
    ui.QueueFile(WriteGauge("two.dwl", "2.0.0.0", "name=\"Other\" fps=\"30\" runatstart=\"yes\"",
                            dwtest::SampleXml(dwtest::kAudio) + dwtest::SampleXml(dwtest::kText)));
    ASSERT_TRUE(doc.InsertGauge());
    EXPECT_EQ(ui.fileRequests.at(1).title, "Insertar otro Gauge");
    EXPECT_EQ(host.undoCodes, std::vector<int>{8});
    EXPECT_EQ(dwtest::Layout(doc.elements),
              "graph 10,20 g0 | text -5,7 g0 | primitive 0,0 g0 | "
              "audio 10,10 g5 | text -5,7 g5");
    EXPECT_EQ(std::make_tuple(doc.groupCounter, doc.gaugePath, doc.gaugeName, doc.fps,
                              doc.runAtStart, doc.modified, host.runTimers.size()),
              std::make_tuple(5, "/base.dwl", "Base", 12, false, true, std::size_t{0}));
}

}  // namespace
