// The message box buttons between the program's answers and Qt's, and the Qt clipboard.
#include <gtest/gtest.h>

#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtMessageMapping.h"
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

TEST(QtClipboard, TextRoundTripsAsLatin1) {
    dw::QtClipboard clipboard;
    const std::string text = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge \xe9\xba>";
    clipboard.SetText(text);
    EXPECT_EQ(clipboard.Text(), text);
    clipboard.SetText("");
    EXPECT_EQ(clipboard.Text(), "");
}

}  // namespace
