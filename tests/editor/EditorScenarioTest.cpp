// A gauge built with the mouse and the keyboard in the real window, saved, opened again and
// undone step by step.
#include "EditorTestSupport.h"
#include "files/Paths.h"

namespace {

using namespace dw;
using namespace dwtest;

TEST_F(EditorTest, AGaugeBuiltByMouseAndKeysSavesReopensAndUndoesStepByStep) {
    Start();
    std::vector<std::string> steps;  // Rects() before each recorded operation
    const auto before = [&] { steps.push_back(Rects()); };

    before();
    ASSERT_TRUE(Command(cmd::kInsertBasicGraph));
    EXPECT_EQ(Layout(), "p:10,10,110,110");
    before();
    Drag({50, 50}, {250, 150});  // the press selects it, the drag moves it
    EXPECT_EQ(Layout(), "p:210,110,310,210*");
    before();
    ASSERT_TRUE(Command(cmd::kInsertBasicGraph));

    // Click selects the second one alone; Ctrl-drag of its resize square keeps the aspect.
    Click({50, 50});
    before();
    Drag({105, 105}, {165, 300}, Qt::ControlModifier);
    EXPECT_EQ(Layout(), "p:210,110,310,210 p:10,10,165,165*");

    // A rubber band around both selects both; group, then align left on the primary (the
    // first selected in list order).
    Drag({5, 5}, {400, 300});
    EXPECT_EQ(Layout(), "p:210,110,310,210* p:10,10,165,165*");
    before();
    ASSERT_TRUE(Command(cmd::kGroup));
    before();
    ASSERT_TRUE(Command(cmd::kAlignLeft));
    EXPECT_EQ(Layout(), "p:210,110,310,210*g p:210,10,365,165*g");

    before();
    ASSERT_TRUE(Command(cmd::kInsertText));
    Click({20, 15});  // the text lies on top: it alone is selected
    before();
    ASSERT_TRUE(Command(cmd::kBack));
    before();
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Right);
    EXPECT_EQ(Layout(), "t:13,10,113,30* p:210,110,310,210g p:210,10,365,165g");

    // Save as "panel" (".dwl" is added), open it again.
    const std::string path = dir.File("panel");
    ui.QueueFile(path);
    ASSERT_TRUE(Command(cmd::kSaveAs));
    // The path is kept lower-cased; the file still goes into the real (mixed-case) folder.
    EXPECT_EQ(Doc().gaugePath, LowerLatin1(path) + ".dwl");
    EXPECT_FALSE(Doc().modified);
    EXPECT_FALSE(ReadFile(path + ".dwl").empty());
    const std::string saved = Rects();
    ui.QueueFile(path + ".dwl");
    ASSERT_TRUE(Command(cmd::kOpen));
    EXPECT_EQ(Rects(), saved);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;

    // Every recorded step undoes to the state before it, back to the empty gauge.
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        ASSERT_TRUE(Window().IsCommandEnabled(cmd::kUndo));
        ASSERT_TRUE(Command(cmd::kUndo));
        EXPECT_EQ(Rects(), *step);
    }
    EXPECT_FALSE(Window().IsCommandEnabled(cmd::kUndo));
    EXPECT_FALSE(Command(cmd::kUndo));
    ASSERT_TRUE(Command(cmd::kRedo));
    EXPECT_EQ(Rects(), steps[1]);
}

TEST_F(EditorTest, EveryCommandOfTheTableIsInTheMenusAndEnabledByItsRule) {
    Start();
    for (const CommandInfo& command : Commands()) {
        QAction* action = Window().Action(command.id);
        ASSERT_NE(action, nullptr) << command.label;
        EXPECT_EQ(action->data().toInt(), command.id);
    }
    // Nothing selected, no services: selection commands, Run and the dialogs are greyed.
    const auto enabled = [&](int id) { return Window().Action(id)->isEnabled(); };
    EXPECT_TRUE(enabled(cmd::kInsertImage));
    EXPECT_FALSE(enabled(cmd::kCopy));
    EXPECT_FALSE(enabled(cmd::kGaugeProperties));
    Command(cmd::kInsertText);
    Command(cmd::kInsertText);
    Command(cmd::kSelectAll);
    EXPECT_TRUE(enabled(cmd::kAlignLeft));
    EXPECT_FALSE(enabled(cmd::kElementProperties)) << "needs exactly one";
    EXPECT_FALSE(enabled(cmd::kRun)) << "no player";
    Command(cmd::kLocked);
    EXPECT_TRUE(Window().Action(cmd::kLocked)->isChecked());
}

}  // namespace
