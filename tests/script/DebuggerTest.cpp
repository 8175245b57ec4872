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

TEST(Debugger, ReportsEveryRunUntilTheFirstError) {
    dw::ScriptDebugOptions options;
    options.typeWord = "text";
    options.source =
        scripttest::Lines({"link offset 10 server 1", "value /= 2", "data = value", "print %05.1f",
                           "set offset 200 server 2 = value", "if value > 10", "round 5", "endif"});
    options.variables = {{1, 10, {9, 9, 40}}};
    options.runs = 4;
    int status = -1;
    const std::string rule = "  | ---------------------------------------------------------\n";
    EXPECT_EQ(Debug(options, &status),
              "element: text, 100 x 100 at (10, 10), main program\n"
              "primary link: offset 10 server 1\nvariable: link 1 offset 10 = 9 9 40\n\n"
              "run 1: ok\n  value = 4.5, data = 4.5\n  changed: text: \"\" -> \"004.5\"\n"
              "  action: print \"004.5\"\n  sent: link 2: 200=4\n\n"
              "run 2: ok\n  value = 4.5, data = 4.5\n  changed: nothing\n"
              "  action: print \"004.5\"\n  sent: link 2: 200=4\n\n"
              "run 3: error 1 (syntax error) at line 7\n  value = 20, data = 20\n"
              "  changed: text: \"004.5\" -> \"020.0\"\n  action: print \"020.0\"\n"
              "  action: close the player\n  sent: link 2: 200=20\n"
              "  recorded in RunTime: LastError=1 LastLine=7 Element=1\n"
              "  report (\"Sintax error\"):\n  | Sintax error at line 7 on the script:\n  | \n" +
                  rule +
                  "  |    link offset 10 server 1\n  |    value /= 2\n  |    data = value\n"
                  "  |    print %05.1f\n  |    set offset 200 server 2 = value\n"
                  "  |    if value > 10\n  | -->round 5\n  |    endif\n  |    \n" +
                  rule +
                  "  | Do you want edit?\n\nthe player closes after an error: no further runs\n");
    EXPECT_EQ(status, 1);
}

TEST(Debugger, ShapeSubtypeAndUnknownKinds) {
    dw::ScriptDebugOptions options;
    options.typeWord = "primitive";
    options.shape = "Scale";
    options.source = scripttest::Lines({"setcolor 77"});
    const std::string shape = Debug(options);
    EXPECT_NE(shape.find("element: basic graph (Scale)"), std::string::npos) << shape;
    EXPECT_NE(shape.find("changed: border colour: 0 (0x000000: red 0, green 0, blue 0) -> 77 "),
              std::string::npos);
    options.typeWord = "gauge";
    int status = -1;
    EXPECT_EQ(Debug(options, &status), "no element of type \"gauge\" can be made\n");
    EXPECT_EQ(status, 2);
}

}  // namespace
