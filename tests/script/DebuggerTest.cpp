// The script debugger, on elements of a test kind made through an element factory.
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"
#include "model/ElementFactory.h"
#include "script/ScriptDebugger.h"

namespace {

std::string Debug(const dw::ScriptDebugOptions& options, int* status = nullptr) {
    dw::ElementFactory factory;
    for (const auto& [word, kind] :
         {std::pair{"graph", dw::ElementKind::Image}, std::pair{"text", dw::ElementKind::Text},
          std::pair{"primitive", dw::ElementKind::Primitive},
          std::pair{"audio", dw::ElementKind::Audio}}) {
        factory.Register(
            word,
            [k = kind](dw::IElementOwner*, const dw::Rect& rect) -> std::unique_ptr<dw::CElement> {
                auto e = std::make_unique<scripttest::TestElement>(k);
                e->rect = rect;
                return e;
            },
            nullptr);
    }
    std::string out;
    const int result = dw::RunScriptDebugger(options, factory, out);
    if (status) *status = result;
    return out;
}

// The report's layout and the actions on the real kinds are checked through dwtool's
// "script" verb; here how an error ends the runs, and a kind the factory cannot make.
TEST(Debugger, AnErrorEndsTheRunsAndUnknownKindsAreRefused) {
    dw::ScriptDebugOptions options;
    options.typeWord = "text";
    options.source =
        scripttest::Lines({"link offset 10 server 1", "if value > 10", "round 5", "endif"});
    options.variables = {{1, 10, {9, 40, 9}}};
    options.runs = 3;
    int status = -1;
    const std::string out = Debug(options, &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("run 1: ok\n"), std::string::npos) << out;
    EXPECT_NE(out.find("run 2: error 1 (syntax error) at line 3\n"), std::string::npos);
    EXPECT_NE(out.find("  action: close the player\n"), std::string::npos);
    EXPECT_NE(out.find("recorded in RunTime: LastError=1 LastLine=3 Element=1\n"),
              std::string::npos);
    EXPECT_TRUE(out.ends_with("\nthe player closes after an error: no further runs\n"));
    EXPECT_EQ(out.find("run 3"), std::string::npos);
    options.typeWord = "gauge";
    EXPECT_EQ(Debug(options, &status), "no element of type \"gauge\" can be made\n");
    EXPECT_EQ(status, 2);
}

}  // namespace
