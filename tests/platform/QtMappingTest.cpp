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

std::string Styles(bool italic, bool underline, bool strikeOut) {
    return std::string(italic ? "i" : "") + (underline ? "u" : "") + (strikeOut ? "s" : "");
}
std::string Describe(const QFont& f) {
    return f.family().toStdString() + "/" + std::to_string(f.pixelSize()) + "/" +
           std::to_string(f.weight()) + "/" + Styles(f.italic(), f.underline(), f.strikeOut());
}
std::string Describe(const dw::FontChoice& c) {
    return c.face + "/" + std::to_string(c.height) + "/" + std::to_string(c.weight) + "/" +
           Styles(c.italic, c.underline, c.strikeOut) + "/" + std::to_string(c.width) + "/" +
           std::to_string(c.colour);
}

TEST(QtFontMapping, NegativeHeightIsThePixelSizePositiveTheCellAndValuesAreClamped) {
    dw::FontChoice choice{"DejaVu Sans", -24, 700, true, true};
    EXPECT_EQ(Describe(dw::qt::ToQFont(choice)), "DejaVu Sans/24/700/iu");
    choice.height = 40;
    QFont font = dw::qt::ToQFont(choice);
    ASSERT_GT(font.pixelSize(), 0);
    EXPECT_LE(font.pixelSize(), 40) << "the cell is at least as high as the characters";
    EXPECT_NEAR(QFontMetrics(font).height(), 40, 3);
    choice = {"", -1000000, 5000};
    font = dw::qt::ToQFont(choice);
    EXPECT_LE(font.pixelSize(), 2000);
    EXPECT_EQ(font.weight(), 1000);
    choice = {"", INT32_MIN, 0};  // weight 0 is "don't care"
    font = dw::qt::ToQFont(choice);
    EXPECT_EQ(font.pixelSize(), 2000);
    EXPECT_EQ(font.weight(), QFont::Normal);
}

TEST(QtFontMapping, BackFromQFontAsCharacterHeightKeepingTheColour) {
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(12);  // 16 pixels at 96 dpi
    font.setWeight(QFont::DemiBold);
    font.setStrikeOut(true);
    const dw::FontChoice initial{"x", 5, 100, true, true, false, 0x0000FF, 9};
    EXPECT_EQ(Describe(dw::qt::FromQFont(font, initial)), "Courier/-16/600/s/0/255");
    font.setPixelSize(31);
    EXPECT_EQ(dw::qt::FromQFont(font, initial).height, -31);
    const dw::FontChoice light{"Serif", -13, 300, false, false, true};
    EXPECT_EQ(Describe(dw::qt::FromQFont(dw::qt::ToQFont(light), light)), "Serif/-13/300/s/0/0");
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
