// The editing commands on the real window: order, copies, groups, locks, delete, alignment,
// clipboard and dropped files.
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "EditorTestSupport.h"
#include "editor/DroppedFiles.h"

namespace {

using namespace dw;
using namespace dwtest;

class EditCommandsTest : public EditorTest {
protected:
    // Selects the elements at these positions (counted from 0), in that order.
    void SelectOnly(std::initializer_list<int> positions) {
        for (CElement& e : Doc().elements) e.Deselect();
        for (int p : positions) Doc().elements.At(static_cast<std::size_t>(p))->Select(true);
        Window().UpdateMenuStates();
    }
    std::string Names() {
        std::string out;
        for (const CElement& e : Doc().elements) out += e.name;
        return out;
    }
    void Name(std::initializer_list<const char*> names) {
        auto it = names.begin();
        for (CElement& e : Doc().elements) e.name = *it++;
    }
    void Drop(const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& p : paths)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(p)));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &drop);
    }
};

TEST_F(EditCommandsTest, FrontAndBackKeepTheRelativeOrderOfTheSelection) {
    Start();
    for (int i = 0; i < 4; ++i) Add({i * 60, 0, i * 60 + 50, 50});
    Name({"1", "2", "3", "4"});
    SelectOnly({1, 3});
    Command(cmd::kFront);
    EXPECT_EQ(Names(), "1324");
    SelectOnly({0, 2});  // "1" and "2"
    Command(cmd::kBack);
    EXPECT_EQ(Names(), "1234");
    SelectOnly({1, 3});
    Command(cmd::kBack);
    EXPECT_EQ(Names(), "2413");
    // Both Back commands ran without a selection change between them: one undo step.
    Command(cmd::kUndo);
    EXPECT_EQ(Names(), "1324");
}

TEST_F(EditCommandsTest, GroupingWithOneLockedMemberLocksAllAndUngroupKeepsTheLock) {
    Start();
    Add({10, 10, 50, 50});
    Add({100, 10, 150, 50})->locked = true;
    Add({200, 10, 250, 50});
    SelectOnly({0, 1});
    Command(cmd::kGroup);
    EXPECT_EQ(Layout(), "p:10,10,50,50*gL p:100,10,150,50*gL p:200,10,250,50");
    Command(cmd::kUngroup);
    EXPECT_EQ(Layout(), "p:10,10,50,50*L p:100,10,150,50*L p:200,10,250,50");
    Command(cmd::kLocked);  // one is locked: all unlock
    EXPECT_EQ(Layout(), "p:10,10,50,50* p:100,10,150,50* p:200,10,250,50");
    Command(cmd::kUndo);
    EXPECT_EQ(Layout(), "p:10,10,50,50L p:100,10,150,50L p:200,10,250,50");
}

TEST_F(EditCommandsTest, AlignAndSizeMoveEveryOtherSelectedElementToThePrimary) {
    Start();
    Add({10, 10, 50, 30});
    Add({100, 100, 200, 180});
    Add({300, 50, 320, 60});
    SelectOnly({1, 0, 2});  // the second is primary
    Command(cmd::kAlignLeft);
    EXPECT_EQ(Rects(), "100,10,40x20 100,100,100x80 100,50,20x10");
    Command(cmd::kAlignCenter);
    EXPECT_EQ(Rects(), "130,130,40x20 100,100,100x80 140,135,20x10");
    Command(cmd::kSameWidthHeight);
    EXPECT_EQ(Rects(), "130,130,100x80 100,100,100x80 140,135,100x80");
    // Height then width, each its own undo step.
    Command(cmd::kUndo);
    EXPECT_EQ(Rects(), "130,130,40x80 100,100,100x80 140,135,20x80");
    Command(cmd::kUndo);
    EXPECT_EQ(Rects(), "130,130,40x20 100,100,100x80 140,135,20x10");
}

TEST_F(EditCommandsTest, DeleteAsksAndNoKeepsEverything) {
    Start();
    Add({10, 10, 50, 50});
    Add({100, 10, 150, 50});
    SelectOnly({0});
    ui.QueueAnswer(Answer::No);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Doc().elements.Count(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want delete the seleted components?");
    ui.QueueAnswer(Answer::Yes);
    Command(cmd::kDelete);
    EXPECT_EQ(Layout(), "p:100,10,150,50");
}

TEST_F(EditCommandsTest, CopiesLandLowerRightGroupedWhenPastedUngroupedWhenDuplicated) {
    Start();
    Add({10, 10, 50, 50})->SetGroup(3);
    Add({100, 10, 150, 50});
    Add({200, 10, 250, 50})->SetGroup(3);
    EXPECT_FALSE(Window().IsCommandEnabled(cmd::kPaste));
    SelectOnly({0, 2});
    Command(cmd::kDuplicate);
    EXPECT_EQ(Layout(),
              "p:10,10,50,50g p:100,10,150,50 p:200,10,250,50g p:35,35,75,75* p:225,35,275,75*");
    Command(cmd::kUndo);
    SelectOnly({0, 2});
    Command(cmd::kCut);
    EXPECT_EQ(Layout(), "p:100,10,150,50");
    EXPECT_TRUE(Window().IsCommandEnabled(cmd::kPaste));
    Command(cmd::kPaste);
    EXPECT_EQ(Layout(), "p:100,10,150,50 p:35,35,75,75*g p:225,35,275,75*g");
    Command(cmd::kUndo);
    EXPECT_EQ(Layout(), "p:100,10,150,50") << "Cut records nothing: Undo undoes the paste";
}

TEST_F(EditCommandsTest, DroppedImagesBecomeElementsAndOtherFilesAreReported) {
    Start();
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const std::string image = dir.File("one.png");
    ASSERT_TRUE(picture.save(QString::fromStdString(image)));
    const std::string text = dir.Write("notes.txt", "hello");
    const std::string second = dir.File("two.png");
    ASSERT_TRUE(picture.save(QString::fromStdString(second)));

    PropertiesHook dialog;
    Drop({image, text, second});
    EXPECT_EQ(Layout(), "g:10,10,40,30 g:10,10,40,30");
    EXPECT_EQ(Doc().elements.At(0)->name, "Droped file 1");
    EXPECT_EQ(Doc().elements.At(1)->name, "Droped file 3");
    EXPECT_EQ(dialog.calls, 2);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Drop file error.");
    EXPECT_EQ(ui.messages[0].text, DropErrorText(text));
    Command(cmd::kUndo);
    EXPECT_TRUE(Doc().elements.Empty()) << "one undo step for the drop";
}

}  // namespace
