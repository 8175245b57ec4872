// The typing aids of the script boxes ("color ?" and "offset ?") in all four dialogs, and
// the name search they open.
#include <QListWidget>
#include <QTest>
#include <QTextCursor>

#include "DialogTestSupport.h"
#include "editor/dialogs/AliasFileLines.h"
#include "editor/dialogs/CAudioProperties.h"
#include "editor/dialogs/CGraphProperties.h"
#include "editor/dialogs/CNameSearchDlg.h"
#include "editor/dialogs/CPrimitiveProperties.h"
#include "editor/dialogs/CTextProperties.h"

namespace {

using namespace dialogtest;
using dw::dialogs::CNameSearchDlg;

constexpr char kAliasLines[] =
    "3000 ALTITUDE feet above sea level\n"
    "ALTITUDE\n"
    "x ALT\r\n"
    "12 speed\n";

using DialogMaker = std::function<std::unique_ptr<QDialog>(const dw::DialogContext&)>;

struct DialogKind {
    const char* name;
    DialogMaker make;
};

template <class T>
DialogKind Kind(const char* name) {
    return {name, [](const dw::DialogContext& c) { return std::make_unique<T>(c); }};
}

class TypingAidsTest : public DialogFixture, public ::testing::WithParamInterface<DialogKind> {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        dir.Write("alias.txt", kAliasLines);
        aliasFile = "alias.txt";
        dialog = GetParam().make(context);
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

TEST_P(TypingAidsTest, ColourAidPutsTheChosenNumberWhereTheQuestionMarkWas) {
    user.QueueColour(0x00FF00);
    TypeAt("link offset 1\n\nprint 1", 14, "changecolor 0 color ?");
    EXPECT_EQ(BoxText(), "link offset 1\nchangecolor 0 color 65280\nprint 1");
    EXPECT_EQ(Caret(), 14 + static_cast<int>(std::string("changecolor 0 color 65280").size()));
    ASSERT_EQ(user.colourCalls.size(), 1u);

    // The next chooser starts at the colour chosen last; Cancel removes the "?".
    TypeAt("", 0, "color ?");
    EXPECT_EQ(BoxText(), "color ");
    EXPECT_EQ(Caret(), 6);
    ASSERT_EQ(user.colourCalls.size(), 2u);
    EXPECT_EQ(user.colourCalls[1].initial, 0x00FF00u);
}

TEST_P(TypingAidsTest, OffsetAidPutsTheChosenAliasName) {
    OnNextModal<CNameSearchDlg>([](CNameSearchDlg& search) {
        QTest::keyClicks(Control<QLineEdit>(search, "filterEdit"), "alt");
        auto* list = Control<QListWidget>(search, "nameList");
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(search.SelectedItem(), "03000 - ALTITUDE");
        search.accept();
    });
    TypeAt("if value > 3\n\nendif", 13, "link offset ?");
    EXPECT_EQ(BoxText(), "if value > 3\nlink offset ALTITUDE\nendif");
    EXPECT_EQ(Caret(), 13 + static_cast<int>(std::string("link offset ALTITUDE").size()));

    OnNextModal<CNameSearchDlg>([](CNameSearchDlg& search) { search.reject(); });
    TypeAt("", 0, "offset ?");
    EXPECT_EQ(BoxText(), "offset ");
    EXPECT_EQ(Caret(), 7);
}

TEST_P(TypingAidsTest, ProgramsShownByTheDialogDoNotTriggerTheAids) {
    auto* graph = dynamic_cast<dw::dialogs::CGraphProperties*>(dialog.get());
    if (graph != nullptr) {
        dw::ImageProperties values;
        values.program = "color ?";
        values.clickProgram = "offset ?";
        graph->SetValues(values);
        auto* tabs = Control<QTabBar>(*dialog, "scriptTabs");
        tabs->setCurrentIndex(1);
        tabs->setCurrentIndex(0);
    } else if (auto* text = dynamic_cast<dw::dialogs::CTextProperties*>(dialog.get())) {
        dw::TextProperties values;
        values.program = "color ?";
        text->SetValues(values);
    } else if (auto* shape = dynamic_cast<dw::dialogs::CPrimitiveProperties*>(dialog.get())) {
        dw::ShapeProperties values;
        values.program = "color ?";
        shape->SetValues(values);
    } else if (auto* audio = dynamic_cast<dw::dialogs::CAudioProperties*>(dialog.get())) {
        audio->SetValues({"", "", "color ?"});
    }
    EXPECT_EQ(BoxText(), "color ?");
    EXPECT_TRUE(user.colourCalls.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryScriptBox, TypingAidsTest,
                         ::testing::Values(Kind<dw::dialogs::CGraphProperties>("Image"),
                                           Kind<dw::dialogs::CTextProperties>("Text"),
                                           Kind<dw::dialogs::CPrimitiveProperties>("Shape"),
                                           Kind<dw::dialogs::CAudioProperties>("Audio")),
                         [](const auto& info) { return std::string(info.param.name); });

using NameSearchTest = DialogFixture;

TEST_F(NameSearchTest, ListsTwoWordLinesUpperCasedAndFiltersAnywhere) {
    dir.Write("names.txt", kAliasLines);
    aliasFile = "NAMES.TXT";
    CNameSearchDlg search(context);
    auto* list = Control<QListWidget>(search, "nameList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text().toStdString(), "03000 - ALTITUDE");
    EXPECT_EQ(list->item(1)->text().toStdString(), "00000 - ALT");
    EXPECT_EQ(list->item(2)->text().toStdString(), "00012 - SPEED");
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
    const std::string names = dir.Write("Names.TXT", kAliasLines);
    user.QueueAnswer(dw::Answer::Yes);
    user.QueueFile(names);
    CNameSearchDlg search(context);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "No alias file defined");
    EXPECT_EQ(user.messages[0].text,
              "No alias file is defined.\nDo you want select an alias file now?");
    EXPECT_EQ(user.messages[0].buttons, dw::Buttons::YesNo);
    EXPECT_EQ(user.messages[0].icon, dw::Icon::Question);
    ASSERT_EQ(user.fileRequests.size(), 1u);
    EXPECT_EQ(user.fileRequests[0].title, "Select Alias file");
    EXPECT_EQ(user.fileRequests[0].filter, "Text files (*.txt)|*.txt|All Files (*.*)|*.*||");
    EXPECT_TRUE(user.fileRequests[0].mustExist);
    EXPECT_EQ(chosenAliasFiles, std::vector<std::string>{"names.txt"});
    EXPECT_EQ(Control<QListWidget>(search, "nameList")->count(), 3);
}

TEST_F(NameSearchTest, DecliningToChooseLeavesTheListEmpty) {
    CNameSearchDlg search(context);  // the question is dismissed: No
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_TRUE(user.fileRequests.empty());
    EXPECT_EQ(Control<QListWidget>(search, "nameList")->count(), 0);
    EXPECT_TRUE(chosenAliasFiles.empty());
}

TEST(AliasFileLines, LinesAndItems) {
    struct Case {
        const char* line;
        bool entry;
        int number;
        const char* name;
    };
    const Case cases[] = {{"3000 ALTITUDE feet above sea level", true, 3000, "ALTITUDE"},
                          {"ALTITUDE", false, 0, ""},
                          {"x ALT", true, 0, "ALT"},
                          {"  -7\tneg\r", true, -7, "neg"},
                          {"", false, 0, ""},
                          {"12abc NAME", true, 12, "NAME"}};
    for (const Case& c : cases) {
        const auto parsed = dw::dialogs::ParseAliasLine(c.line);
        ASSERT_EQ(parsed.has_value(), c.entry) << c.line;
        if (!parsed) continue;
        EXPECT_EQ(parsed->number, c.number) << c.line;
        EXPECT_EQ(parsed->name, c.name) << c.line;
    }
    EXPECT_EQ(dw::dialogs::NameSearchItem({-7, "neg\xe9"}), "-0007 - NEG\xc9");
    const std::pair<const char*, const char*> names[] = {
        {"03000 - ALTITUDE", "ALTITUDE"}, {"  00012 - AIR SPEED ", "AIR"}, {"short", ""}, {"", ""}};
    for (const auto& [item, name] : names) EXPECT_EQ(dw::dialogs::NameOfSearchItem(item), name);
}

}  // namespace
