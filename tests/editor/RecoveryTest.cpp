// A run that takes the program down: the unsaved gauge written before the run comes back at
// the next start when the user wants it, and the fault is reported after that.
#include <csignal>
#include <filesystem>

#include "EditorTestSupport.h"
#include "platform/IniSettingsStore.h"
#include "runtime/CrashGuard.h"

namespace {

using namespace dw;
using namespace dwtest;

class RecoveryTest : public EditorTest {
protected:
    // A window over the store, as the program makes it at start.
    std::unique_ptr<CDialwrightDlg> StartWindow(StartOptions options = {}) {
        auto w = std::make_unique<CDialwrightDlg>(
            EditorEnvironment{ui, clipboard, store, dir.Path().string()}, services);
        w->Start(options);
        return w;
    }

    // Saves a gauge of one element, adds a second one unsaved and plays it; the player takes
    // the program down in the middle of the run: the recovery file stays as the run found it
    // and the crash handler's record names element 2.
    void CrashWhilePlaying() {
        window = StartWindow();
        Add({10, 10, 60, 60});
        Doc().gaugePath = dir.File("panel.dwl");
        ASSERT_TRUE(Doc().WriteGauge());
        Add({100, 10, 150, 60});
        Doc().modified = true;

        const std::string recovery = RecoveryPathFor(&store);
        services.runPlayer = [&](const PlayerRequest&) {
            std::filesystem::copy_file(recovery, dir.File("left-behind"));
            WriteFile(CrashRecordPathFor(&store), FormatCrashRecord({8001, 2, SIGSEGV}));
        };
        window->SetServices(services);
        ASSERT_TRUE(Command(cmd::kRun));
        window.reset();  // the process is gone
        std::filesystem::rename(dir.File("left-behind"), recovery);
    }

    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }

    IniSettingsStore store{dir.File("dialwright.ini")};
};

TEST_F(RecoveryTest, TheNextStartOffersTheUnsavedGaugeBackThenReportsTheFault) {
    CrashWhilePlaying();
    ui.messages.clear();
    ui.QueueAnswer(Answer::Yes);  // restore
    window = StartWindow();
    window->RecoverAfterCrash();

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "Recover gauge");
    EXPECT_THAT(ui.messages[0].text, ::testing::HasSubstr(dir.File("panel.dwl")));
    EXPECT_EQ(store.ReadInt("RunTime", "LastError", -1), 0);  // reported, then cleared
    EXPECT_EQ(Rects(), "10,10,50x50 100,10,50x50");
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().gaugePath, dir.File("panel.dwl"));
    EXPECT_FALSE(std::filesystem::exists(RecoveryPathFor(&store)));

    // Only once: the start after that is an ordinary one.
    ui.messages.clear();
    window = StartWindow();
    window->RecoverAfterCrash();
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecoveryTest, DecliningKeepsTheSavedGaugeAndForgetsTheCopy) {
    CrashWhilePlaying();
    ui.messages.clear();
    ui.QueueAnswer(Answer::No);
    StartOptions options;
    options.file = dir.File("panel.dwl");
    window = StartWindow(options);
    window->RecoverAfterCrash();

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(Rects(), "10,10,50x50");
    EXPECT_FALSE(Doc().modified);
    EXPECT_FALSE(std::filesystem::exists(RecoveryPathFor(&store)));
}

}  // namespace
