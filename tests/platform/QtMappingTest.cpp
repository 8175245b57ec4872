// Conversions between the program's dialog types and Qt's, and the Qt clipboard.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFontMapping.h"
#include "platform/qt/QtMessageMapping.h"
#include "platform/qt/QtText.h"
#include "support/ScriptedInteraction.h"

namespace {

using dw::Answer;
using dw::Buttons;
using QB = QMessageBox;

TEST(QtMessageMapping, EveryOfferedButtonMapsBackAndAClosedBoxIsDismissed) {
    const std::pair<QB::StandardButton, Answer> pairs[] = {
        {QB::Ok, Answer::Ok},        {QB::Cancel, Answer::Cancel}, {QB::Yes, Answer::Yes},
        {QB::No, Answer::No},        {QB::Retry, Answer::Retry},   {QB::Abort, Answer::Abort},
        {QB::Ignore, Answer::Ignore}};
    // Closing the box: Cancel when offered, else No, else Abort, else Ok. The scripted
    // stand-in the other test programs use must answer the same.
    // clang-format off
    const std::pair<Buttons, Answer> dismissed[] = {
        {Buttons::Ok, Answer::Ok},              {Buttons::OkCancel, Answer::Cancel},
        {Buttons::YesNo, Answer::No},           {Buttons::YesNoCancel, Answer::Cancel},
        {Buttons::RetryCancel, Answer::Cancel}, {Buttons::AbortRetryIgnore, Answer::Abort}};
    // clang-format on
    for (const auto& [buttons, dismiss] : dismissed) {
        SCOPED_TRACE(static_cast<int>(buttons));
        const QB::StandardButtons offered = dw::qt::ToStandardButtons(buttons);
        for (const auto& [button, answer] : pairs) {
            // A button that was not offered counts as closing the box.
            const Answer expected = offered.testFlag(button) ? answer : dismiss;
            EXPECT_EQ(dw::qt::ToAnswer(button, buttons), expected);
        }
        EXPECT_TRUE(offered.testFlag(dw::qt::DefaultButton(buttons)));
        EXPECT_EQ(dw::qt::ToAnswer(QB::NoButton, buttons), dismiss);
        EXPECT_EQ(dw::qt::ToAnswer(-1, buttons), dismiss);
        EXPECT_EQ(dw::qt::ToAnswer(0x7fffffff, buttons), dismiss);
        dwtest::ScriptedInteraction ui;
        EXPECT_EQ(ui.ShowMessage({"t", "x", buttons}), dismiss);
    }
    EXPECT_EQ(dw::qt::ToAnswer(QB::Ok | QB::Cancel, Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(dw::qt::ToMessageIcon(dw::Icon::Error), QB::Critical);
}

TEST(QtText, LineEndsColoursAndLatin1) {
    EXPECT_EQ(dw::qt::MessageText("a\r\nb\rc\nd").toStdString(), "a\nb\nc\nd");
    EXPECT_EQ(dw::qt::MessageText("\xba").at(0).unicode(), 0xBAu);
    // Red is the low byte of a colour; bits above 24 are dropped.
    EXPECT_EQ(dw::qt::ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(dw::qt::ToQColor(0xC40000), QColor(0, 0, 0xC4));
    EXPECT_EQ(dw::qt::FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(dw::qt::FromQColor(dw::qt::ToQColor(0xFF808080)), 0x808080u);
    std::string all;
    for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
    EXPECT_EQ(dw::qt::ToLatin1(dw::qt::FromLatin1(all)), all);
    EXPECT_EQ(dw::qt::ToLatin1(QString::fromUtf8("\xe2\x82\xac")), "?");
    const std::string path = "/tmp/caf\xc3\xa9/a.dwl";  // file-system bytes
    EXPECT_EQ(dw::qt::PathToBytes(dw::qt::PathFromBytes(path)), path);
}

TEST(QtFontMapping, NegativeHeightIsThePixelSizePositiveTheCellAndValuesAreClamped) {
    dw::FontChoice choice{"DejaVu Sans", -24, 700, true, true};
    QFont font = dw::qt::ToQFont(choice);
    EXPECT_EQ(font.family().toStdString(), "DejaVu Sans");
    EXPECT_EQ(std::make_tuple(font.pixelSize(), font.weight(), font.italic(), font.underline()),
              std::make_tuple(24, 700, true, true));
    choice.height = 40;
    font = dw::qt::ToQFont(choice);
    EXPECT_LE(font.pixelSize(), 40) << "the cell is at least as high as the characters";
    EXPECT_NEAR(QFontMetrics(font).height(), 40, 3);
    choice = {"", INT32_MIN, 5000};
    font = dw::qt::ToQFont(choice);
    EXPECT_EQ(font.pixelSize(), 2000);
    EXPECT_EQ(font.weight(), 1000);
    choice.weight = 0;  // "don't care"
    EXPECT_EQ(dw::qt::ToQFont(choice).weight(), QFont::Normal);
}

TEST(QtFontMapping, BackFromQFontAsCharacterHeightKeepingTheColour) {
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(12);  // 16 pixels at 96 dpi
    font.setWeight(QFont::DemiBold);
    font.setStrikeOut(true);
    const dw::FontChoice initial{"x", 5, 100, true, true, false, 0x0000FF, 9};
    const dw::FontChoice back = dw::qt::FromQFont(font, initial);
    EXPECT_EQ(std::make_tuple(back.face, back.height, back.weight, back.italic, back.strikeOut),
              std::make_tuple(std::string("Courier"), -16, 600, false, true));
    EXPECT_EQ(std::make_pair(back.colour, back.width), std::make_pair(0x0000FFu, 0));
    font.setPixelSize(31);
    EXPECT_EQ(dw::qt::FromQFont(font, initial).height, -31);
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
