// The test doubles other test programs rely on behave as documented.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ProgramPaths.h"
#include "support/FakeClipboard.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedInteraction.h"

#include <filesystem>

namespace {

using ::testing::ElementsAre;

TEST(ScriptedInteraction, EmptyQueueDismissesMessages) {
    dwtest::ScriptedInteraction ui;
    EXPECT_EQ(ui.ShowMessage({"t", "x", dw::Buttons::YesNoCancel}), dw::Answer::Cancel);
    EXPECT_EQ(ui.ShowMessage({"t", "x", dw::Buttons::YesNo}), dw::Answer::No);
    EXPECT_EQ(ui.ShowMessage({"t", "x", dw::Buttons::OkCancel}), dw::Answer::Cancel);
    EXPECT_EQ(ui.ShowMessage({"t", "x", dw::Buttons::RetryCancel}), dw::Answer::Cancel);
    EXPECT_EQ(ui.ShowMessage({"t", "x", dw::Buttons::AbortRetryIgnore}), dw::Answer::Abort);
    EXPECT_EQ(ui.Message("t", "x"), dw::Answer::Ok);
}

TEST(ScriptedInteraction, QueuedAnswersAreUsedInOrderAndCallsRecorded) {
    dwtest::ScriptedInteraction ui;
    ui.QueueAnswer(dw::Answer::Yes);
    ui.QueueAnswer(dw::Answer::No);
    EXPECT_EQ(ui.ShowMessage({"Save before exit...", "changed", dw::Buttons::YesNoCancel,
                              dw::Icon::Question, true}),
              dw::Answer::Yes);
    EXPECT_EQ(ui.Message("Warning", "again", dw::Icon::Warning, dw::Buttons::YesNo),
              dw::Answer::No);
    EXPECT_EQ(ui.Message("Info", "third"), dw::Answer::Ok);
    EXPECT_EQ(ui.PendingAnswers(), 0u);

    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].title, "Save before exit...");
    EXPECT_EQ(ui.messages[0].icon, dw::Icon::Question);
    EXPECT_EQ(ui.messages[0].buttons, dw::Buttons::YesNoCancel);
    EXPECT_TRUE(ui.messages[0].topmost);
    EXPECT_FALSE(ui.messages[1].topmost);
    EXPECT_EQ(ui.messages[1].icon, dw::Icon::Warning);
    EXPECT_THAT(ui.MessageTexts(), ElementsAre("changed", "again", "third"));
    EXPECT_THAT(ui.givenAnswers, ElementsAre(dw::Answer::Yes, dw::Answer::No, dw::Answer::Ok));
}

TEST(ScriptedInteraction, FileAndFolderChoosers) {
    dwtest::ScriptedInteraction ui;
    ui.QueueFile(std::string("/g/a.dwl"));
    ui.QueueFile(std::nullopt);
    dw::FileRequest open;
    open.title = "Open Gauge";
    open.mustExist = true;
    EXPECT_EQ(ui.ChooseFile(open), "/g/a.dwl");
    EXPECT_EQ(ui.ChooseFile(open), std::nullopt);
    EXPECT_EQ(ui.ChooseFile(open), std::nullopt) << "an empty queue cancels";
    ASSERT_EQ(ui.fileRequests.size(), 3u);
    EXPECT_EQ(ui.fileRequests[0].title, "Open Gauge");
    EXPECT_TRUE(ui.fileRequests[0].mustExist);

    ui.QueueFolder(std::string("/imgs"));
    EXPECT_EQ(ui.BrowseFolder("Pick", "/start"), "/imgs");
    EXPECT_EQ(ui.BrowseFolder("Pick", ""), std::nullopt);
    ASSERT_EQ(ui.folderCalls.size(), 2u);
    EXPECT_EQ(ui.folderCalls[0].initialFolder, "/start");
}

TEST(ScriptedInteraction, ColourChooserSharesCustomColours) {
    dwtest::ScriptedInteraction ui;
    dw::CustomColours custom{};
    custom[3] = 0x112233;
    dw::CustomColours edited{};
    edited[0] = 0xABCDEF;
    ui.QueueColour(0x0000FF, edited);
    ui.QueueColour(std::nullopt);

    EXPECT_EQ(ui.ChooseColour(0x808080, custom), 0x0000FFu);
    EXPECT_EQ(custom[0], 0xABCDEFu);
    EXPECT_EQ(ui.ChooseColour(1, custom), std::nullopt);
    EXPECT_EQ(custom[0], 0xABCDEFu) << "a cancel without edits leaves the colours";
    ASSERT_EQ(ui.colourCalls.size(), 2u);
    EXPECT_EQ(ui.colourCalls[0].initial, 0x808080u);
    EXPECT_EQ(ui.colourCalls[0].customBefore[3], 0x112233u);
    EXPECT_EQ(ui.colourCalls[1].customBefore[0], 0xABCDEFu);
}

TEST(ScriptedInteraction, FontChooser) {
    dwtest::ScriptedInteraction ui;
    dw::FontChoice chosen;
    chosen.face = "Arial";
    chosen.height = -20;
    ui.QueueFont(chosen);
    dw::FontChoice initial;
    initial.face = "Courier";
    const auto first = ui.ChooseFont(initial);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->face, "Arial");
    EXPECT_FALSE(ui.ChooseFont(initial));
    ASSERT_EQ(ui.fontCalls.size(), 2u);
    EXPECT_EQ(ui.fontCalls[0].face, "Courier");
}

TEST(MemorySettingsStore, RecordsWritesButNotSeeds) {
    dwtest::MemorySettingsStore store;
    store.Seed("Paths", "Total", "1");
    store.WriteInt("Paths", "Total", 2);
    store.WriteString("Paths", "Path_1", "/a");
    EXPECT_THAT(store.writes, ElementsAre("Paths/Total", "Paths/Path_1"));
    EXPECT_EQ(store.ReadInt("Paths", "Total", 0), 2);
    EXPECT_EQ(store.ReadString("Paths", "Total", ""), "2");
    EXPECT_EQ(store.ReadInt("Paths", "Path_1", -1), -1);
    EXPECT_EQ(store.ReadString("Paths", "Path_2", "d"), "d");
    EXPECT_THAT(store.reads,
                ElementsAre("Paths/Total", "Paths/Total", "Paths/Path_1", "Paths/Path_2"));
    EXPECT_EQ(store.Size(), 2u);
}

TEST(FakeClipboard, HoldsText) {
    dwtest::FakeClipboard clipboard;
    dw::IClipboard& any = clipboard;
    any.SetText("abc");
    EXPECT_EQ(any.Text(), "abc");
    EXPECT_EQ(clipboard.setCount, 1);
}

TEST(ProgramPaths, FolderOfThisTestProgram) {
    const std::string file = dw::ProgramFile();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(std::filesystem::path(file).filename(), "test_platform");
    const std::string folder = dw::ProgramFolder();
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(std::filesystem::path(file).parent_path().string(), folder);
    EXPECT_EQ(dw::ProgramFolderFile(dw::kAliasFileName), folder + "/alias.txt");
}

TEST(ProgramPaths, JoinPath) {
    EXPECT_EQ(dw::JoinPath("/opt/dw", "alias.txt"), "/opt/dw/alias.txt");
    EXPECT_EQ(dw::JoinPath("/opt/dw/", "alias.txt"), "/opt/dw/alias.txt");
    EXPECT_EQ(dw::JoinPath("C:\\dw\\", "alias.txt"), "C:\\dw\\alias.txt");
    EXPECT_EQ(dw::JoinPath("", "alias.txt"), "alias.txt");
    EXPECT_EQ(dw::JoinPath("/", "help/index.htm"), "/help/index.htm");
}

}  // namespace
