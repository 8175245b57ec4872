// The message box buttons and texts between the program and Qt, fonts given to the font
// chooser, and the Qt clipboard.
#include <gtest/gtest.h>

#include <climits>

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
    // Program texts are Latin-1 with CR LF (or a lone CR) line ends; the box shows one break
    // for each.
    EXPECT_EQ(dw::qt::MessageText("Caf\xE9\r\n\r\nline\rend\n"),
              QString::fromUtf8("Caf\u00E9\n\nline\nend\n"));
}

// A text element's font comes from a gauge file: any height or weight opens the chooser at a
// size and weight the font engines take, and a character height comes back as it went.
TEST(QtFontMapping, HostileHeightsAndWeightsStayWithinTheEnginesLimits) {
    for (const int height : {INT_MIN, -100000, -1, 1, 100000, INT_MAX}) {
        for (const int weight : {INT_MIN, 0, 5000, INT_MAX}) {
            dw::FontChoice choice;
            choice.height = height;
            choice.weight = weight;
            const QFont font = dw::qt::ToQFont(choice);
            EXPECT_GE(font.pixelSize(), 1) << height;
            EXPECT_LE(font.pixelSize(), 2000) << height;
            EXPECT_GE(font.weight(), 1) << weight;
            EXPECT_LE(font.weight(), 1000) << weight;
        }
    }
    dw::FontChoice choice;
    choice.height = -17;
    choice.italic = true;
    const dw::FontChoice back = dw::qt::FromQFont(dw::qt::ToQFont(choice), choice);
    EXPECT_EQ(back.height, -17);
    EXPECT_TRUE(back.italic);
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
