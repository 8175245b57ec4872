// The image search paths dialog: the list operations, their enabling rules, and the store
// the dialog leaves however it closes.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "../editor/DialogTestSupport.h"
#include "app/AppDialogs.h"
#include "app/CPathConfigDlg.h"
#include "app/CZekoConfig.h"
#include "platform/SettingsKeys.h"

namespace {

using namespace dialogtest;
using dw::CPathConfigDlg;
using Folders = std::vector<std::string>;

class PathsDialogTest : public DialogFixture {
protected:
    void Seed(const Folders& folders) {
        settings.SeedInt("Paths", "Total", static_cast<int>(folders.size()));
        for (std::size_t i = 0; i < folders.size(); ++i)
            settings.Seed("Paths", dw::settings::PathKey(static_cast<int>(i) + 1), folders[i]);
    }
    Folders Stored() const {
        Folders folders;
        const int total = settings.ReadInt("Paths", "Total", 0);
        for (int i = 1; i <= total; ++i)
            folders.push_back(settings.ReadString("Paths", dw::settings::PathKey(i), "?"));
        return folders;
    }
    void Click(CPathConfigDlg& dialog, const char* name) {
        QTest::mouseClick(Control<QPushButton>(dialog, name), Qt::LeftButton);
    }
    // Enabled state of Remove, Move Up, Move Down.
    std::string Buttons(CPathConfigDlg& dialog) {
        std::string state;
        for (const char* name : {"removeButton", "upButton", "downButton"})
            state += Control<QPushButton>(dialog, name)->isEnabled() ? '1' : '0';
        return state;
    }
};

TEST_F(PathsDialogTest, ListOperationsFollowTheSelection) {
    Seed({" /a ", "", "/b", "/c"});  // trimmed, the empty one skipped
    CPathConfigDlg dialog(context);
    auto* list = Control<QListWidget>(dialog, "pathList");
    EXPECT_EQ(dialog.Folders(), (Folders{"/a", "/b", "/c"}));
    EXPECT_EQ(Buttons(dialog), "000");
    // Without a selection Add Path appends.
    user.QueueFolder("/d");
    Click(dialog, "addButton");
    ASSERT_EQ(user.folderCalls.size(), 1u);
    EXPECT_EQ(user.folderCalls[0].title,
              "Please, select a folder that you want to be part of the search path, and then "
              "Click OK.");
    EXPECT_EQ(dialog.Folders(), (Folders{"/a", "/b", "/c", "/d"}));
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(Buttons(dialog), "110");  // the last entry cannot move down

    list->setCurrentRow(1);
    EXPECT_EQ(Buttons(dialog), "111");
    user.QueueFolder("/x");
    Click(dialog, "addButton");  // inserted before the selection, and selected
    EXPECT_EQ(dialog.Folders(), (Folders{"/a", "/x", "/b", "/c", "/d"}));
    EXPECT_EQ(list->currentRow(), 1);

    Click(dialog, "upButton");
    EXPECT_EQ(dialog.Folders(), (Folders{"/x", "/a", "/b", "/c", "/d"}));
    EXPECT_EQ(Buttons(dialog), "101");  // the first entry cannot move up
    Click(dialog, "downButton");
    EXPECT_EQ(list->currentRow(), 1);
    Click(dialog, "removeButton");  // the entry before becomes the selection
    EXPECT_EQ(dialog.Folders(), (Folders{"/a", "/b", "/c", "/d"}));
    EXPECT_EQ(list->currentRow(), 0);
    Click(dialog, "removeButton");  // removing the first selects the new first
    EXPECT_EQ(list->currentRow(), 0);

    Click(dialog, "addButton");  // a cancelled browser adds nothing
    EXPECT_EQ(dialog.Folders().size(), 3u);

    Click(dialog, "okButton");
    EXPECT_EQ(Stored(), (Folders{"/b", "/c", "/d"}));
}

TEST_F(PathsDialogTest, AHugeStoredTotalIsReadAndClearedOnlyUpToTheLimit) {
    settings.SeedInt("Paths", "Total", 2000000000);
    settings.Seed("Paths", "Path_1", "/a");
    CPathConfigDlg dialog(context);
    EXPECT_EQ(dialog.Folders(), (Folders{"/a"}));
    dialog.accept();
    EXPECT_EQ(Stored(), (Folders{"/a"}));
    EXPECT_LE(settings.writes.size(), static_cast<std::size_t>(dw::kMaxSearchPaths) + 2);
}

TEST_F(PathsDialogTest, EditorDialogsRunTheThreeDialogs) {
    std::unique_ptr<dw::IEditorDialogs> dialogs = dw::CreateEditorDialogs(context);
    OnNextModal<CPathConfigDlg>([](CPathConfigDlg& d) { d.reject(); });
    dialogs->ConfigurePaths();  // closing any other way than OK writes the list as well
    EXPECT_EQ(settings.ReadInt("Paths", "Total", -1), 0);

    dw::GaugeLink one{"A", "1.2.3.4", 1}, two{"B", "5.6.7.8", 2};
    OnNextModal<dw::CZekoConfig>([](dw::CZekoConfig& d) {
        Control<QLineEdit>(d, "portEdit")->setText("88");
        d.reject();
    });
    EXPECT_FALSE(dialogs->ConfigureServerLinks(one, two));
    EXPECT_EQ(one.port, 1);

    dw::GaugePropertiesValues values;
    values.name = "old";
    OnNextModal<QDialog>([](QDialog& d) {
        Control<QLineEdit>(d, "titleEdit")->setText("new");
        d.accept();
    });
    EXPECT_TRUE(dialogs->EditGaugeProperties(values));
    EXPECT_EQ(values.name, "new");
}

}  // namespace
