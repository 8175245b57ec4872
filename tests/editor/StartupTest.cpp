// Start-up (the automatic Run table, placement, corrupt settings), the exit prompt, Run and
// its report.
#include "EditorTestSupport.h"
#include "editor/StartupRules.h"
#include "files/GaugeVersion.h"
#include "platform/IniSettingsStore.h"

namespace {

using namespace dw;
using namespace dwtest;
using dw::settings::kOptions;
using dw::settings::kRunTime;
using dw::settings::kZeko;

// A gauge file with one basic graph; runatstart as given.
std::string GaugeFile(bool runAtStart, const std::string& program = "None") {
    return std::string("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"") +
           kGaugeFormatVersion + "\">\n<properties name=\"Panel\" fps=\"10\" runatstart=\"" +
           (runAtStart ? "yes" : "no") +
           "\"/>\n<element type=\"primitive\" name=\"Dial\" left=\"10\" top=\"10\" "
           "right=\"60\" width=\"50\" height=\"50\" subtype=\"FillRect\"><program><![CDATA[" +
           program + "]]></program></element>\n</gauge>\n";
}

class StartupTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        services.runPlayer = [this](const PlayerRequest& request) {
            ++runs;
            lastRequest = request;
            EXPECT_FALSE(window->isVisible()) << "the editor hides while the gauge plays";
            if (playerReport) playerReport(*request.store);
        };
    }
    int runs = 0;
    PlayerRequest lastRequest;
    std::function<void(ISettingsStore&)> playerReport;
};

TEST_F(StartupTest, AutomaticRunFollowsTheStartTable) {
    struct Case {
        bool fromLastGauge;  // no file argument: the last gauge opens
        bool play, runAtStart, runs;
    };
    const Case cases[] = {{true, false, true, true},
                          {true, false, false, false},
                          {false, false, true, false},
                          {false, true, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fromLastGauge * 4 + c.play * 2 + c.runAtStart);
        const std::string path = dir.Write("panel.dwl", GaugeFile(c.runAtStart));
        settings.Seed(kOptions, dw::settings::kLastGauge, c.fromLastGauge ? path : "");
        Start(c.fromLastGauge ? StartOptions{} : StartOptions{path, c.play});
        ASSERT_EQ(Doc().elements.Count(), 1u);
        EXPECT_EQ(Window().RunTimer().isActive(), c.runs);
        if (!c.runs) continue;
        EXPECT_EQ(Window().RunTimer().interval(), kStartRunDelayMs);
        QTRY_COMPARE(runs, 1);
        runs = 0;
        EXPECT_EQ(lastRequest.gaugeName, "Panel");
        EXPECT_TRUE(Window().isVisible());
    }
}

TEST(StartupRules, AStoredRectangleOnNoScreenMovesToThePrimaryScreen) {
    const QRect primary(0, 0, 1920, 1080);
    const std::vector<QRect> screens{primary, QRect(1920, 0, 1280, 1024)};
    // On the second screen: kept.
    EXPECT_EQ(FitToScreens({2000, 100, 800, 600, false}, screens, primary),
              (WindowPlacement{2000, 100, 800, 600, false}));
    // A screen that is gone: centred on the primary one.
    EXPECT_EQ(FitToScreens({3500, 100, 800, 600, true}, screens, primary),
              (WindowPlacement{560, 240, 800, 600, true}));
    // Huge and empty sizes.
    EXPECT_EQ(FitToScreens({0, 0, 90000, 90000, false}, screens, primary),
              (WindowPlacement{0, 0, 1920, 1080, false}));
    EXPECT_EQ(FitToScreens({10, 10, 0, -5, false}, screens, primary).width, 1440);
}

TEST_F(StartupTest, NewOpenAndExitAskBeforeAnUnsavedGaugeIsLost) {
    Start();
    Command(cmd::kInsertText);
    ASSERT_TRUE(Doc().modified);
    for (int id : {cmd::kNew, cmd::kOpen}) {
        ui.QueueAnswer(Answer::Cancel);
        Command(id);
    }
    ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(Window().close());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(Doc().elements.Count(), 1u);
    EXPECT_TRUE(ui.fileRequests.empty()) << "Cancel ends the command before the file dialog";
    EXPECT_EQ(ui.messages.back().title, "Save before exit...");
    EXPECT_EQ(ui.messages.back().text,
              "You have made some changes.\r\nDo you want to save them before exit?");
    EXPECT_EQ(ui.messages.back().buttons, Buttons::YesNoCancel);

    // Yes saves (through Save As for a gauge never saved) and closes.
    ui.QueueAnswer(Answer::Yes);
    ui.QueueFile(dir.File("exit.dwl"));
    EXPECT_TRUE(Window().close());
    EXPECT_FALSE(ReadFile(dir.File("exit.dwl")).empty());

    // No closes without saving.
    Start();
    Command(cmd::kInsertText);
    ui.QueueAnswer(Answer::No);
    EXPECT_TRUE(Window().close());
    EXPECT_EQ(settings.writes.size(), 13u) << "only the first save wrote settings";
}

TEST_F(StartupTest, AFailedSaveKeepsTheModifiedMarkAndTheExitPrompt) {
    Start();
    Command(cmd::kInsertText);
    ui.QueueFile(dir.File("no/such/folder/panel.dwl"));
    Command(cmd::kSaveAs);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_TRUE(Doc().modified);
    // Yes to the exit prompt tries to save again; it fails, so the window stays open.
    ui.QueueAnswer(Answer::Yes);
    EXPECT_FALSE(Window().close());
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(StartupTest, RunHidesTheEditorAndReportsAScriptErrorWithTheOfferToEdit) {
    const std::string path =
        dir.Write("panel.dwl", GaugeFile(false, "link offset 3000 server 1\nbad line"));
    dir.Write("alias.txt", "3000 ALTITUDE\nNOTANENTRY\n");
    settings.Seed(kZeko, dw::settings::kAliasFile, dir.File("alias.txt"));
    Start({path, false});
    EXPECT_EQ(Window().Aliases().Count(), 1u);
    playerReport = [](ISettingsStore& store) {
        store.WriteInt(kRunTime, dw::settings::kLastError, 1);
        store.WriteInt(kRunTime, dw::settings::kLastLine, 2);
        store.WriteInt(kRunTime, dw::settings::kElement, 1);
    };
    PropertiesHook dialog;
    ui.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Command(cmd::kRun));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(lastRequest.elements, Doc().elements.Head());
    EXPECT_EQ(lastRequest.editorOwner, &Window());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Sintax error");
    EXPECT_THAT(ui.messages[0].text, ::testing::HasSubstr("-->bad line"));
    // The properties dialog showed the names; the element holds numbers again.
    ASSERT_EQ(dialog.shownPrograms.size(), 1u);
    EXPECT_EQ(dialog.shownPrograms[0], "link offset ALTITUDE server FlightSimulator\nbad line\r\n");
    EXPECT_EQ(Doc().elements.Head()->mainProgram, "link offset 3000 server 1\nbad line\r\n");
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(settings.ReadInt(kRunTime, dw::settings::kLastError, -1), 0);
}

TEST_F(StartupTest, AnUnreachableLinkOffersTheLinkDialog) {
    const std::string path = dir.Write("panel.dwl", GaugeFile(false));
    services.dialogs = &dialogs;
    Start({path, false});
    playerReport = [](ISettingsStore& store) {
        store.WriteInt(kRunTime, dw::settings::kLastError, 9002);
    };
    ui.QueueAnswer(Answer::Yes);
    Command(cmd::kRun);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "ZEKO error");
    EXPECT_THAT(ui.messages[0].text, ::testing::HasSubstr("ZEKO Client 2"));
    EXPECT_EQ(dialogs.linkDialogs, 1);
    EXPECT_EQ(Doc().link1.port, 9999);
    EXPECT_EQ(settings.ReadInt(kRunTime, dw::settings::kLastError, -1), 0);
}

TEST_F(StartupTest, GaugePropertiesAreTakenOverOnOk) {
    services.dialogs = &dialogs;
    Start();
    dialogs.edit = [](GaugePropertiesValues& v) {
        v.name = "Altimeter";
        v.backColor = 0x000000;
        v.fps = 99;
        v.runAtStart = true;
    };
    ASSERT_TRUE(Command(cmd::kGaugeProperties));
    EXPECT_EQ(Window().windowTitle().toStdString(), "ZEKO Dialwright - Altimeter");
    EXPECT_EQ(Doc().backColor, 0u);
    EXPECT_EQ(Doc().fps, 40);
    EXPECT_TRUE(Doc().runAtStart);
    EXPECT_TRUE(Doc().modified);
    // Gauge > New asks the same dialog; Cancel there keeps what New set.
    dialogs.accept = false;
    Doc().modified = false;
    ASSERT_TRUE(Command(cmd::kNew));
    EXPECT_EQ(dialogs.shown.back().name, "New");
    EXPECT_EQ(Doc().backColor, kDefaultBackColour);
}

TEST_F(StartupTest, ACorruptSettingsFileStartsWithDefaults) {
    const std::string ini = dir.Write(
        "dialwright.ini",
        "[Options]\nLastGauge=" + dir.File("missing.dwl") +
            "\nBackColor=0x12zz\n"
            "[ZEKO]\nRect_Left=abc\nRect_Top=-99999999999999999999\nRect_Right=77777777777777\n"
            "Rect_Bottom=-3\nMaximized=yes\nServerPort1=\xff\xfe\nno equals sign here\n"
            "[[[broken\n[Keys]\nTotal=99999999\n0000=HK_\n0001=HK_1_2_3_4\n\x01\x02\x03\n"
            "Open=\"\n");
    IniSettingsStore store(ini);
    ui.QueueAnswer(Answer::Ok);
    window = std::make_unique<CDialwrightDlg>(
        EditorEnvironment{ui, clipboard, store, dir.Path().string()}, services);
    window->Start({});
    // The window lies on the screen, no larger than it; defaults everywhere; no hot keys.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(screen.contains(window->geometry().center()));
    EXPECT_LE(window->width(), screen.width());
    EXPECT_TRUE(window->HotKeys().empty());
    EXPECT_EQ(Doc().backColor, kDefaultBackColour);
    EXPECT_EQ(Doc().link1.port, 8090);
    // The missing last gauge is reported; the editor stays with an empty gauge that the next
    // Save does not write over the missing file's name.
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(Doc().elements.Empty());
    EXPECT_TRUE(Doc().gaugePath.empty());
}

}  // namespace
