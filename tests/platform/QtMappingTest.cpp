// Conversions between the program's dialog types and Qt's, and the Qt clipboard.
#include <gtest/gtest.h>
#include <QFontMetrics>

#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFontMapping.h"
#include "platform/qt/QtMessageMapping.h"
#include "platform/qt/QtText.h"

namespace {

using dw::Answer;
using dw::Buttons;

TEST(QtMessageMapping, ButtonsAndDefaults) {
    EXPECT_EQ(dw::qt::ToStandardButtons(Buttons::Ok), QMessageBox::Ok);
    EXPECT_EQ(dw::qt::ToStandardButtons(Buttons::YesNoCancel),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(dw::qt::ToStandardButtons(Buttons::AbortRetryIgnore),
              QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
    EXPECT_EQ(dw::qt::DefaultButton(Buttons::YesNo), QMessageBox::Yes);
    EXPECT_EQ(dw::qt::DefaultButton(Buttons::RetryCancel), QMessageBox::Retry);
    EXPECT_EQ(dw::qt::ToMessageIcon(dw::Icon::Error), QMessageBox::Critical);
    EXPECT_EQ(dw::qt::ToMessageIcon(dw::Icon::Question), QMessageBox::Question);
    EXPECT_EQ(dw::qt::ToMessageIcon(dw::Icon::None), QMessageBox::NoIcon);
}

TEST(QtMessageMapping, EveryOfferedButtonMapsBackToItsAnswer) {
    struct Pair {
        QMessageBox::StandardButton button;
        Answer answer;
    };
    const Pair pairs[] = {
        {QMessageBox::Ok, Answer::Ok},        {QMessageBox::Cancel, Answer::Cancel},
        {QMessageBox::Yes, Answer::Yes},      {QMessageBox::No, Answer::No},
        {QMessageBox::Retry, Answer::Retry},  {QMessageBox::Abort, Answer::Abort},
        {QMessageBox::Ignore, Answer::Ignore}};
    const Buttons all[] = {Buttons::Ok,          Buttons::OkCancel,    Buttons::YesNo,
                           Buttons::YesNoCancel, Buttons::RetryCancel, Buttons::AbortRetryIgnore};
    for (Buttons buttons : all) {
        const QMessageBox::StandardButtons offered = dw::qt::ToStandardButtons(buttons);
        int count = 0;
        for (const Pair& pair : pairs) {
            if (!offered.testFlag(pair.button)) continue;
            ++count;
            EXPECT_EQ(dw::qt::ToAnswer(pair.button, buttons), pair.answer);
        }
        EXPECT_GE(count, 1);
        EXPECT_TRUE(offered.testFlag(dw::qt::DefaultButton(buttons)));
    }
}

TEST(QtMessageMapping, ClosedBoxGivesTheDismissAnswer) {
    EXPECT_EQ(dw::qt::ToAnswer(QMessageBox::NoButton, Buttons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(dw::qt::ToAnswer(QMessageBox::NoButton, Buttons::YesNo), Answer::No);
    EXPECT_EQ(dw::qt::ToAnswer(QMessageBox::NoButton, Buttons::Ok), Answer::Ok);
    // A button that was not offered counts as closing the box.
    EXPECT_EQ(dw::qt::ToAnswer(QMessageBox::Yes, Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(dw::qt::ToAnswer(QMessageBox::Cancel, Buttons::AbortRetryIgnore), Answer::Abort);
    // Whatever integer a dialog returns.
    EXPECT_EQ(dw::qt::ToAnswer(-1, Buttons::YesNo), Answer::No);
    EXPECT_EQ(dw::qt::ToAnswer(0x7fffffff, Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(dw::qt::ToAnswer(QMessageBox::Ok | QMessageBox::Cancel, Buttons::OkCancel),
              Answer::Cancel);
}

TEST(QtText, MessageTextUsesLineFeeds) {
    EXPECT_EQ(dw::qt::MessageText("a\r\nb\rc\nd").toStdString(), "a\nb\nc\nd");
    EXPECT_EQ(dw::qt::MessageText("\xba").at(0).unicode(), 0xBAu);
}

TEST(QtText, ColoursKeepRedInTheLowByte) {
    const QColor red = dw::qt::ToQColor(0x0000FF);
    EXPECT_EQ(red.red(), 255);
    EXPECT_EQ(red.green(), 0);
    EXPECT_EQ(red.blue(), 0);
    const QColor blue = dw::qt::ToQColor(0xC40000);
    EXPECT_EQ(blue.blue(), 0xC4);
    EXPECT_EQ(blue.red(), 0);
    EXPECT_EQ(dw::qt::FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(dw::qt::FromQColor(dw::qt::ToQColor(0xFF808080)), 0x808080u);
    for (dw::Colour c : {0x000000u, 0xFFFFFFu, 0x123456u, 0xC40000u}) {
        EXPECT_EQ(dw::qt::FromQColor(dw::qt::ToQColor(c)), c);
    }
}

TEST(QtText, LatinTextRoundTripsAndOtherCharactersBecomeQuestionMarks) {
    std::string all;
    for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
    EXPECT_EQ(dw::qt::ToLatin1(dw::qt::FromLatin1(all)), all);
    EXPECT_EQ(dw::qt::ToLatin1(QString::fromUtf8("\xe2\x82\xac")), "?");
    const std::string path = "/tmp/caf\xc3\xa9/a.dwl";  // file-system bytes
    EXPECT_EQ(dw::qt::PathToBytes(dw::qt::PathFromBytes(path)), path);
}

TEST(QtFontMapping, CharacterHeightIsThePixelSize) {
    dw::FontChoice choice;
    choice.face = "DejaVu Sans";
    choice.height = -24;
    choice.weight = 700;
    choice.italic = true;
    choice.underline = true;
    const QFont font = dw::qt::ToQFont(choice);
    EXPECT_EQ(font.family().toStdString(), "DejaVu Sans");
    EXPECT_EQ(font.pixelSize(), 24);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
}

TEST(QtFontMapping, CellHeightComesCloseToTheRequest) {
    dw::FontChoice choice;
    choice.height = 40;
    const QFont font = dw::qt::ToQFont(choice);
    ASSERT_GT(font.pixelSize(), 0);
    EXPECT_LE(font.pixelSize(), 40) << "the cell is at least as high as the characters";
    EXPECT_NEAR(QFontMetrics(font).height(), 40, 3);
}

TEST(QtFontMapping, OutOfRangeValuesAreClamped) {
    dw::FontChoice choice;
    choice.height = -1000000;
    choice.weight = 5000;
    QFont font = dw::qt::ToQFont(choice);
    EXPECT_LE(font.pixelSize(), 2000);
    EXPECT_EQ(font.weight(), 1000);
    choice.height = INT32_MIN;
    choice.weight = 0;  // "don't care"
    font = dw::qt::ToQFont(choice);
    EXPECT_EQ(font.pixelSize(), 2000);
    EXPECT_EQ(font.weight(), QFont::Normal);
}

TEST(QtFontMapping, BackFromQFontAsCharacterHeight) {
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(12);  // 16 pixels at 96 dpi
    font.setWeight(QFont::DemiBold);
    font.setStrikeOut(true);
    dw::FontChoice initial;
    initial.colour = 0x0000FF;
    initial.width = 9;
    const dw::FontChoice choice = dw::qt::FromQFont(font, initial);
    EXPECT_EQ(choice.face, "Courier");
    EXPECT_EQ(choice.height, -16);
    EXPECT_EQ(choice.weight, 600);
    EXPECT_TRUE(choice.strikeOut);
    EXPECT_FALSE(choice.italic);
    EXPECT_EQ(choice.colour, 0x0000FFu) << "the colour is not the font dialog's";
    EXPECT_EQ(choice.width, 0);

    font.setPixelSize(31);
    EXPECT_EQ(dw::qt::FromQFont(font, initial).height, -31);
}

TEST(QtFontMapping, RoundTrip) {
    dw::FontChoice choice;
    choice.face = "Serif";
    choice.height = -13;
    choice.weight = 300;
    choice.strikeOut = true;
    const dw::FontChoice back = dw::qt::FromQFont(dw::qt::ToQFont(choice), choice);
    EXPECT_EQ(back.face, "Serif");
    EXPECT_EQ(back.height, -13);
    EXPECT_EQ(back.weight, 300);
    EXPECT_TRUE(back.strikeOut);
}

TEST(QtClipboard, TextRoundTripsAsLatin1) {
    dw::QtClipboard clipboard;
    const std::string text = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge \xe9\xba>";
    clipboard.SetText(text);
    EXPECT_EQ(clipboard.Text(), text);
    clipboard.SetText("");
    EXPECT_EQ(clipboard.Text(), "");
}

}  // namespace
