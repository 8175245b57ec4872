// The typing aids of the script boxes ("color ?" and "offset ?") in all four dialogs, and
// the name search they open.
#include <QListWidget>
#include <QTabBar>
#include <QTest>
#include <QTextCursor>

#include "DialogTestSupport.h"
#include "editor/dialogs/CNameSearchDlg.h"
#include "editor/dialogs/CTextProperties.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "runtime/CAudio.h"

namespace {

using namespace dialogtest;
using dw::dialogs::CNameSearchDlg;

constexpr char kAliasLines[] =
    "3000 ALTITUDE feet above sea level\n"
    "ALTITUDE\n"
    "x ALT\r\n"
    "12 speed\n"
    "  -7\tneg\xe9\r\n";

// The aids on the text dialog's box; every dialog's box is checked below.
class TypingAidsTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        dir.Write("alias.txt", kAliasLines);
        aliasFile = "alias.txt";
        dialog = std::make_unique<dw::dialogs::CTextProperties>(context);
        box = Control<QPlainTextEdit>(*dialog, "scriptEdit");
    }
    // Puts text in the box with the caret at position, then types keys there.
    void TypeAt(const QString& text, int position, const char* keys) {
        box->setPlainText(text);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(position);
        box->setTextCursor(cursor);
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }
    std::string BoxText() const { return box->toPlainText().toStdString(); }
    int Caret() const { return box->textCursor().position(); }

    std::unique_ptr<QDialog> dialog;
    QPlainTextEdit* box = nullptr;
};

TEST_F(TypingAidsTest, TheChosenColourOrNameTakesThePlaceOfTheQuestionMark) {
    user.QueueColour(0x00FF00);
    TypeAt("link offset 1\n\nprint 1", 14, "changecolor 0 color ?");
    EXPECT_EQ(BoxText(), "link offset 1\nchangecolor 0 color 65280\nprint 1");
    EXPECT_EQ(Caret(), 14 + static_cast<int>(std::string("changecolor 0 color 65280").size()));
    // The next chooser starts at the colour chosen last; Cancel removes the "?".
    TypeAt("", 0, "color ?");
    EXPECT_EQ(BoxText(), "color ");
    ASSERT_EQ(user.colourCalls.size(), 2u);
    EXPECT_EQ(user.colourCalls[1].initial, 0x00FF00u);

    OnNextModal<CNameSearchDlg>([](CNameSearchDlg& search) {
        QTest::keyClicks(Control<QLineEdit>(search, "filterEdit"), "alt");
        EXPECT_EQ(Control<QListWidget>(search, "nameList")->count(), 2);
        search.accept();
    });
    TypeAt("if value > 3\n\nendif", 13, "link offset ?");
    EXPECT_EQ(BoxText(), "if value > 3\nlink offset ALTITUDE\nendif");
    OnNextModal<CNameSearchDlg>([](CNameSearchDlg& search) { search.reject(); });
    TypeAt("", 0, "offset ?");
    EXPECT_EQ(BoxText(), "offset ");
    EXPECT_EQ(Caret(), 7);
}

using ScriptBoxesTest = ElementDialogFixture;

// Each properties dialog shows the element's programs as they are (both tabs of the image
// dialog), and typing in its box runs the aids.
TEST_F(ScriptBoxesTest, EveryDialogRunsTheAidsOnTypingButNotOnThePrograms) {
    dw::CGraph image(nullptr, {0, 0, 10, 10});
    dw::CText text(nullptr, {0, 0, 10, 10});
    dw::CPrimitive shape(nullptr, {0, 0, 10, 10});
    dw::CAudio audio(nullptr, {0, 0, 10, 10});
    image.clickProgram = "color ?";
    for (dw::CElement* element : std::vector<dw::CElement*>{&image, &text, &shape, &audio}) {
        element->mainProgram = "color ?";
        OnNextModal<QDialog>([this](QDialog& shown) {
            auto* script = Control<QPlainTextEdit>(shown, "scriptEdit");
            if (auto* tabs = shown.findChild<QTabBar*>(QStringLiteral("scriptTabs"))) {
                tabs->setCurrentIndex(1);
                tabs->setCurrentIndex(0);
            }
            EXPECT_EQ(script->toPlainText().toStdString(), "color ?");
            EXPECT_TRUE(user.colourCalls.empty());
            user.QueueColour(0x0000FF);
            script->clear();
            QTest::keyClicks(script, "color ?");
            EXPECT_EQ(script->toPlainText().toStdString(), "color 255");
            shown.reject();
        });
        element->EditProperties();
        EXPECT_EQ(user.colourCalls.size(), 1u);
        user.colourCalls.clear();
    }
}

using NameSearchTest = DialogFixture;

TEST_F(NameSearchTest, ListsTwoWordLinesUpperCasedAndFiltersAnywhere) {
    dir.Write("names.txt", kAliasLines);
    aliasFile = "NAMES.TXT";
    CNameSearchDlg search(context);
    auto* list = Control<QListWidget>(search, "nameList");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text().toStdString(), "03000 - ALTITUDE");
    EXPECT_EQ(list->item(3)->text(), QString::fromLatin1("-0007 - NEG\xc9"));
    EXPECT_EQ(search.SelectedItem(), "03000 - ALTITUDE");
    QTest::keyClick(Control<QLineEdit>(search, "filterEdit"), Qt::Key_Down);  // from the filter
    EXPECT_EQ(search.SelectedItem(), "00000 - ALT");
    Control<QLineEdit>(search, "filterEdit")->setText("12 - s");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(search.SelectedItem(), "00012 - SPEED");
    Control<QLineEdit>(search, "filterEdit")->setText("nothing");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(search.SelectedItem(), "");
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(NameSearchTest, WithoutAnAliasFileOffersToChooseOne) {
    {
        CNameSearchDlg declined(context);  // the question is dismissed: No
        EXPECT_TRUE(user.fileRequests.empty());
        EXPECT_EQ(Control<QListWidget>(declined, "nameList")->count(), 0);
    }
    const std::string names = dir.Write("Names.TXT", kAliasLines);
    user.QueueAnswer(dw::Answer::Yes);
    user.QueueFile(names);
    CNameSearchDlg search(context);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[1].title, "No alias file defined");
    EXPECT_EQ(user.messages[1].text,
              "No alias file is defined.\nDo you want select an alias file now?");
    EXPECT_EQ(chosenAliasFiles, std::vector<std::string>{"names.txt"});
    EXPECT_EQ(Control<QListWidget>(search, "nameList")->count(), 4);
}

}  // namespace
