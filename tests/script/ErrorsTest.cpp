// Run-time errors: what is recorded, the close request, and the engine's hooks.
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"
#include "model/ElementHooks.h"
#include "script/ScriptHost.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;

TEST(Errors, RecordsCodeLineAndElementThenClosesThePlayer) {
    Harness h;
    auto first = h.Make(ElementKind::Image, Lines({"show"}));
    auto e = h.Make(ElementKind::Image, Lines({"value = 1", "round 5", "hide"}));
    first->SetNext(e.get());
    const auto r = h.Run(*e);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorCode, 1);
    EXPECT_EQ(r.errorLine, 2);
    EXPECT_TRUE(e->shown);  // nothing after the error runs
    EXPECT_EQ(h.settings.writes, (std::vector<std::string>{"RunTime/LastError", "RunTime/LastLine",
                                                           "RunTime/Element"}));
    EXPECT_EQ(h.settings.ReadInt("RunTime", "LastError", 0), 1);
    EXPECT_EQ(h.settings.ReadInt("RunTime", "LastLine", 0), 2);
    EXPECT_EQ(h.settings.ReadInt("RunTime", "Element", 0), 2);
    EXPECT_EQ(dw::FindElementByIdentity(first.get(), 2), e.get());
    EXPECT_EQ(h.player.closes, 1);
    first->SetNext(nullptr);
    e->SetPrev(nullptr);
}

TEST(Errors, ClickProgramsRecordNegativeCodes) {
    Harness h;
    auto e = h.Make(ElementKind::Image, "", Lines({"if value > 1"}));
    const auto r = h.Click(*e);
    EXPECT_EQ(r.errorCode, -2);
    EXPECT_EQ(h.settings.ReadInt("RunTime", "LastError", 0), -2);
    EXPECT_EQ(h.settings.ReadInt("RunTime", "LastLine", 0), 1);
    EXPECT_EQ(h.player.closes, 1);
}

TEST(Errors, SilentOddities) {
    Harness h;
    auto e = h.Make(ElementKind::Image,
                    Lines({"value = 1", "value /= 0", "value ? 3", "data = x1", "offset 900"}));
    EXPECT_TRUE(h.Run(*e).ok);
    EXPECT_EQ(h.player.closes, 0);
    EXPECT_TRUE(h.settings.writes.empty());
}

TEST(Errors, PrintFormatsThatAreNotOneFloatingConversion) {
    Harness h;
    for (const char* line : {"print %d", "print %s value", "print %f%f", "print HDG"}) {
        auto e = h.Make(ElementKind::Text, Lines({line}));
        EXPECT_EQ(h.Run(*e).errorCode, 1) << line;
    }
}

TEST(Engine, CompileProgramsAndLink) {
    scripttest::TestElement e(ElementKind::Image);
    e.mainProgram = Lines({"link offset 30 server 2", "if value >= 10"});
    e.clickProgram = "";
    e.compiledClick = "stale";
    dw::CompilePrograms(e);
    EXPECT_EQ(e.compiledMain, "C E 30 F 2\r\nL G V 10\r\n");
    EXPECT_EQ(e.compiledClick, "");
    EXPECT_EQ(e.linkedOffset, 30);
    EXPECT_EQ(e.linkedServer, 2);
    e.mainProgram = "link offset 3000\r\n";
    dw::ParseLink(e);
    EXPECT_EQ(e.linkedOffset, 30);
}

TEST(Engine, HooksRunThroughTheElementOperations) {
    dw::InstallScriptEngine();
    Harness h;
    scripttest::RecordingPlayer player;
    dwtest::MemorySettingsStore settings;
    dw::SetScriptEnvironment({&settings, &player});
    scripttest::TestElement e(ElementKind::Image);
    e.mainProgram = Lines({"link offset 3 server 1", "data = value", "rotate"});
    e.clickProgram = Lines({"round 7"});
    e.SetRunMode(nullptr, true);
    EXPECT_EQ(e.compiledMain, "C E 3 F 1\r\nP = G\r\nO\r\n");
    e.values1 = h.table1->data();
    e.values2 = h.table2->data();
    h.SetVariable(1, 3, 20);
    EXPECT_TRUE(e.RunProgram());
    EXPECT_EQ(e.runRotation, 20.0);
    e.OnClick();
    EXPECT_EQ(settings.ReadInt("RunTime", "LastError", 0), -1);
    EXPECT_EQ(player.closes, 1);
    dw::SetScriptEnvironment({});
    e.values1 = e.values2 = nullptr;
}

TEST(Engine, RecompiledTextIsReadAgain) {
    Harness h;
    auto e = h.Make(ElementKind::Image, Lines({"hide"}));
    h.Run(*e);
    EXPECT_FALSE(e->shown);
    e->compiledMain = "M\r\n";
    h.Run(*e);
    EXPECT_TRUE(e->shown);
}

}  // namespace
