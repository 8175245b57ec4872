// The hot-key dialog: its list, assigning, conflicts, the unsaved-change check and saving.
#include <QComboBox>
#include <QPushButton>

#include "EditorTestSupport.h"
#include "editor/CKeyConfigDlg.h"
#include "editor/KeyCaptureEdit.h"
#include "runtime/KeyCodes.h"

namespace {

using namespace dw;
using namespace dwtest;

class KeyConfigDlgTest : public ::testing::Test {
protected:
    int IndexOf(const std::string& label) {
        for (std::size_t i = 0; i < dialog.List().Size(); ++i)
            if (dialog.List().Entry(i).label == label) return static_cast<int>(i);
        return -1;
    }
    std::string Text(int index) { return dialog.CommandList()->itemText(index).toStdString(); }
    void Select(const std::string& label) { dialog.CommandList()->setCurrentIndex(IndexOf(label)); }
    void Type(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(dialog.HotKeyField(), static_cast<Qt::Key>(qtKey), mods);
    }

    ScriptedInteraction ui;
    MemorySettingsStore store;
    HotKeyList current{{cmd::kRun, kVkF5, 0}, {cmd::kSave, 'S', kModCtrl}};
    CKeyConfigDlg dialog{current, store, ui};
};

TEST_F(KeyConfigDlgTest, ListsCommandsByMenuPathAndATakenKeyAsksBeforeItMoves) {
    // Every command by its menu path, marked when it has a key.
    EXPECT_EQ(dialog.List().Size(), Commands().size());
    EXPECT_EQ(Text(0), "\\Gauge\\New");
    Select("\\Gauge\\Open");
    Type(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialog.HotKeyField()->text().toStdString(), "Ctrl+S");
    ui.QueueAnswer(Answer::No);
    dialog.Assign();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Change HotKey assignement");
    EXPECT_EQ(ui.messages[0].text,
              "The HotKey you are trying assign to [\\Gauge\\Open],\r\n is actually in use by "
              "[\\Gauge\\Save].\r\nDo you want replace?");
    EXPECT_EQ(Text(IndexOf("\\Gauge\\Open")), "\\Gauge\\Open");
    EXPECT_EQ(Text(IndexOf("\\Gauge\\Save")), "\\Gauge\\Save (Assigned)");

    Type(Qt::Key_S, Qt::ControlModifier);
    ui.QueueAnswer(Answer::Yes);
    dialog.Assign();
    EXPECT_EQ(Text(IndexOf("\\Gauge\\Open")), "\\Gauge\\Open (Assigned)");
    EXPECT_EQ(Text(IndexOf("\\Gauge\\Save")), "\\Gauge\\Save");
    EXPECT_EQ(dialog.CommandList()->currentIndex(), IndexOf("\\Gauge\\Open"));
}

TEST_F(KeyConfigDlgTest, AKeyTypedButNotAssignedIsCheckedWhenTheListGetsTheFocus) {
    dialog.show();
    Select("\\Edit\\Undo");
    dialog.HotKeyField()->setFocus();
    Type(Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    ui.QueueAnswer(Answer::No);
    dialog.CheckUnsavedChange();
    EXPECT_EQ(ui.messages.back().title, "Save change?");
    EXPECT_EQ(ui.messages.back().text, "You changed last hot key without assign it. Save Changes?");
    EXPECT_EQ(dialog.HotKeyField()->text().toStdString(), "None") << "No: the stored key again";

    Type(Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    ui.QueueAnswer(Answer::Yes);
    dialog.CheckUnsavedChange();
    EXPECT_EQ(Text(IndexOf("\\Edit\\Undo")), "\\Edit\\Undo (Assigned)");
    dialog.CheckUnsavedChange();  // nothing changed since: no question
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(KeyConfigDlgTest, AnEmptyFieldRemovesTheKeyOkWritesEveryCommandAndCancelNothing) {
    Select("\\Run");
    Type(Qt::Key_Backspace);
    EXPECT_EQ(dialog.HotKeyField()->text().toStdString(), "None");
    dialog.Assign();
    EXPECT_EQ(Text(IndexOf("\\Run")), "\\Run");
    EXPECT_TRUE(ui.messages.empty());
    dialog.CancelButton()->click();
    EXPECT_TRUE(store.writes.empty());

    CKeyConfigDlg again(current, store, ui);
    again.OkButton()->click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    const auto total = static_cast<std::int32_t>(Commands().size());
    EXPECT_EQ(store.ReadInt("Keys", "Total", 0), total);
    EXPECT_EQ(store.ReadString("Keys", "0000", ""), "HK_32817_0_0");
    EXPECT_EQ(LoadHotKeys(store).size(), Commands().size());
    EXPECT_EQ(FindHotKey(LoadHotKeys(store), kVkF5, 0), cmd::kRun);
    EXPECT_EQ(store.writes.back(), "Keys/Total");
}

TEST_F(EditorTest, HotKeysConfigReloadsTheBindingsAfterOk) {
    Start();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CKeyConfigDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->CommandList()->setCurrentIndex(0);  // \Gauge\New
        dialog->HotKeyField()->SetHotKey('N', kModCtrl | kModShift);
        dialog->Assign();
        dialog->OkButton()->click();
    });
    ASSERT_TRUE(Command(cmd::kHotKeysConfig));
    EXPECT_EQ(FindHotKey(Window().HotKeys(), 'N', kModCtrl | kModShift), cmd::kNew);
    EXPECT_EQ(Window().Action(cmd::kNew)->text().toStdString(), "New\tCtrl+Shift+N");
}

}  // namespace
