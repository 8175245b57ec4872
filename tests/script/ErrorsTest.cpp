// Run-time errors (what is recorded, the close request), the engine's element hooks, and the
// editor's report of a recorded error.
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"
#include "model/ElementHooks.h"
#include "script/ErrorReport.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;

TEST(Errors, RecordsCodeLineAndElementThenClosesThePlayer) {
    Harness h;
    auto first = h.Make(ElementKind::Image, Lines({"show"}));
    auto e = h.Make(ElementKind::Image, Lines({"value = 1", "play", "hide"}), "if value > 1");
    first->SetNext(e.get());
    EXPECT_FALSE(h.Run(*e).ok);
    EXPECT_TRUE(e->shown);  // play is no image statement; nothing after it runs
    EXPECT_EQ(h.settings.writes, (std::vector<std::string>{"RunTime/LastError", "RunTime/LastLine",
                                                           "RunTime/Element"}));
    EXPECT_EQ(h.settings.ReadInt("RunTime", "Element", 0), 2);
    EXPECT_EQ(dw::FindElementByIdentity(first.get(), 2), e.get());
    EXPECT_EQ(h.player.closes, 1);
    // Click programs record negative codes.
    EXPECT_EQ(h.Click(*e).errorCode, -2);
    EXPECT_EQ(h.settings.ReadInt("RunTime", "LastError", 0), -2);
    EXPECT_EQ(h.player.closes, 2);
    first->SetNext(nullptr);
    e->SetPrev(nullptr);
}

TEST(Engine, HooksRunThroughTheElementOperations) {
    dw::InstallScriptEngine();
    Harness h;
    scripttest::TestElement e(ElementKind::Image);
    e.mainProgram = Lines({"link offset 3 server 2", "data = value", "rotate"});
    e.clickProgram = Lines({"round 7"});
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(e.compiledClick, "b 7\r\n");
    e.values1 = h.table1->data();
    e.values2 = h.table2->data();
    h.SetVariable(2, 3, 20);
    EXPECT_TRUE(e.RunProgram());
    EXPECT_EQ(e.runRotation, 20.0);
    // Recompiling empties the click program; an incomplete link keeps the primary link.
    e.SetRunMode(nullptr, false);
    e.clickProgram = "";
    e.mainProgram = "link offset 3000\r\n";
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(e.compiledClick, "");
    EXPECT_EQ(e.linkedOffset, 3);
    // A changed compiled text is read again on the next run.
    auto hidden = h.Ran(ElementKind::Image, {"hide"});
    EXPECT_FALSE(hidden->shown);
    hidden->compiledMain = "M\r\n";
    h.Run(*hidden);
    EXPECT_TRUE(hidden->shown);
}

const std::string kRule = "---------------------------------------------------------";

TEST(ErrorReport, Messages) {
    // value() throws, failing the test, when there is no report.
    auto report = dw::BuildScriptErrorReport(1, 2, "value = 1\r\nround 5\r\n", "").value();
    EXPECT_EQ(report.title, "Sintax error");
    EXPECT_TRUE(report.askToEdit);
    EXPECT_FALSE(report.clickProgram);
    EXPECT_EQ(report.text, "Sintax error at line 2 on the script:\r\n\r\n" + kRule +
                               "\r\n   value = 1\n-->round 5\n   \r\n" + kRule +
                               "\r\nDo you want edit?");
    // (Click programs, hidden comment lines and the if/else text are read by the gauge check.)
    report = dw::BuildScriptErrorReport(8001, 0, "show", "").value();
    EXPECT_FALSE(report.askToEdit);
    EXPECT_EQ(report.text, "Unhandled exception occurs while running.\r\n\r\n" + kRule +
                               "\r\n-->show\r\n" + kRule +
                               "\r\nPlease check it carefully.\r\nDo you want edit?");
    EXPECT_EQ(dw::MarkScriptLine("a\r\nb", 7), "   a\n   b");  // beyond the text: no mark
    for (int code : {0, 3, 7999, 9000, 9001, 9002, -9001, -2147483647 - 1})
        EXPECT_FALSE(dw::BuildScriptErrorReport(code, 1, "a", "b").has_value()) << code;
}

}  // namespace
