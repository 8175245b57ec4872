// The script debugger, on elements of a test kind made through an element factory.
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"
#include "model/ElementFactory.h"
#include "script/ScriptDebugger.h"

namespace {

dw::ElementFactory TestFactory() {
    dw::ElementFactory factory;
    for (const auto& [word, kind] :
         {std::pair{"graph", dw::ElementKind::Image}, std::pair{"text", dw::ElementKind::Text},
          std::pair{"primitive", dw::ElementKind::Primitive},
          std::pair{"audio", dw::ElementKind::Audio}}) {
        const dw::ElementKind k = kind;
        factory.Register(
            word,
            [k](dw::IElementOwner*, const dw::Rect& rect) -> std::unique_ptr<dw::CElement> {
                auto e = std::make_unique<scripttest::TestElement>(k);
                e->rect = rect;
                e->width = rect.Width();
                e->height = rect.Height();
                return e;
            },
            nullptr);
    }
    return factory;
}

std::string Debug(dw::ScriptDebugOptions options, int* status = nullptr) {
    dw::ElementFactory factory = TestFactory();
    std::string out;
    const int result = dw::RunScriptDebugger(options, factory, out);
    if (status) *status = result;
    return out;
}

TEST(Debugger, ReportsRegistersChangesAndSentValues) {
    dw::ScriptDebugOptions options;
    options.typeWord = "text";
    options.source = scripttest::Lines({"link offset 10 server 1", "value /= 2", "data = value",
                                        "print %05.1f", "set offset 200 server 2 = value"});
    options.variables = {{1, 10, {9, 9, 40}}};
    options.runs = 3;
    int status = -1;
    const std::string out = Debug(options, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out,
              "element: text, 100 x 100 at (10, 10), main program\n"
              "primary link: offset 10 server 1\n"
              "variable: link 1 offset 10 = 9 9 40\n"
              "\n"
              "run 1: ok\n"
              "  value = 4.5, data = 4.5\n"
              "  changed: text: \"\" -> \"004.5\"\n"
              "  action: print \"004.5\"\n"
              "  sent: link 2: 200=4\n"
              "\n"
              "run 2: ok\n"
              "  value = 4.5, data = 4.5\n"
              "  changed: nothing\n"
              "  action: print \"004.5\"\n"
              "  sent: link 2: 200=4\n"
              "\n"
              "run 3: ok\n"
              "  value = 20, data = 20\n"
              "  changed: text: \"004.5\" -> \"020.0\"\n"
              "  action: print \"020.0\"\n"
              "  sent: link 2: 200=20\n");
}

TEST(Debugger, StopsAtTheFirstErrorWithItsReport) {
    dw::ScriptDebugOptions options;
    options.typeWord = "graph";
    options.click = true;
    options.source = scripttest::Lines({"data = 5", "rotate", "setwidth 3"});
    options.runs = 4;
    int status = -1;
    const std::string out = Debug(options, &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("run 1: error -1 (syntax error) at line 3\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  changed: rotation: 0 -> 5\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  recorded in RunTime: LastError=-1 LastLine=3 Element=1\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  | -->setwidth 3\n"), std::string::npos) << out;
    EXPECT_NE(out.find("no further runs"), std::string::npos);
    EXPECT_EQ(out.find("run 2"), std::string::npos);
}

TEST(Debugger, AudioSkipsUnchangedValuesAndShapesTakeTheirSubtype) {
    dw::ScriptDebugOptions options;
    options.typeWord = "audio";
    options.source = scripttest::Lines({"link offset 7 server 2", "play"});
    options.variables = {{2, 7, {3, 3, 4}}};
    options.runs = 3;
    const std::string out = Debug(options);
    EXPECT_NE(out.find("run 2: skipped (the variable kept its value 3)\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("run 3: ok\n  value = 4, data = 0\n  changed: nothing\n  action: play\n"),
              std::string::npos)
        << out;

    options.typeWord = "primitive";
    options.shape = "Scale";
    options.source = scripttest::Lines({"setcolor 77", "switchoff"});
    options.variables.clear();
    options.runs = 1;
    const std::string shape = Debug(options);
    EXPECT_NE(shape.find("element: basic graph (Scale)"), std::string::npos) << shape;
    EXPECT_NE(shape.find("changed: border colour: 0 (0x000000: red 0, green 0, blue 0) -> 77 "
                         "(0x00004D: red 77, green 0, blue 0)\n"),
              std::string::npos)
        << shape;
    EXPECT_NE(shape.find("changed: global switch: on -> off\n"), std::string::npos) << shape;
}

TEST(Debugger, UnknownKind) {
    dw::ScriptDebugOptions options;
    options.typeWord = "gauge";
    int status = -1;
    EXPECT_EQ(Debug(options, &status), "no element of type \"gauge\" can be made\n");
    EXPECT_EQ(status, 2);
}

}  // namespace
