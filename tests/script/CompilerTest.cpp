// Comment removal, the keyword table's rewriting of sources and the primary link.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ScriptTestSupport.h"
#include "script/KeywordTable.h"
#include "script/ScriptCompiler.h"
#include "script/StripComments.h"

namespace {

std::string Strip(std::string text) {
    dw::StripComments(text);
    return text;
}

// The comment rules applied exactly as worded, searching from the start after every change.
std::string ReferenceStrip(std::string text) {
    for (std::size_t open; (open = text.find("/*")) != std::string::npos;) {
        const auto close = text.find("*/", open);
        if (close == std::string::npos) break;
        text.erase(open, close + 2 - open);
    }
    for (std::size_t open; (open = text.find("//")) != std::string::npos;) {
        const auto end = text.find("\r\n", open);
        if (end == std::string::npos) break;
        text.erase(open, end - open);
    }
    while (text.find("\r\n\r\n") != std::string::npos) dw::ReplaceAll(text, "\r\n\r\n", "\r\n");
    if (text.rfind("\r\n", 0) == 0) text.erase(0, 2);
    return text;
}

TEST(StripComments, MatchesTheLiteralRulesOnRandomTexts) {
    // Short texts reach every join of marks; long ones with many comments check that the
    // cuts made in one pass give the same output as searching again after each.
    std::mt19937 random(12345);
    const char alphabet[] = {'/', '*', '\r', '\n', 'a', ' '};
    for (int round = 0; round < 20050; ++round) {
        std::string text;
        const int length = round < 20000 ? static_cast<int>(random() % 24) : 6000;
        for (int i = 0; i < length; ++i) text += alphabet[random() % sizeof alphabet];
        ASSERT_EQ(Strip(text), ReferenceStrip(text)) << testing::PrintToString(text);
    }
}

// Compiles the source lines (each ended by CR LF) and compares with the compiled lines.
void ExpectCompiled(std::initializer_list<const char*> source,
                    std::initializer_list<const char*> compiled, bool borderColorOnly = false) {
    const std::string text = scripttest::Lines(source);
    EXPECT_EQ(dw::CompileSource(text, borderColorOnly), scripttest::Lines(compiled))
        << testing::PrintToString(text);
}

TEST(Compiler, CommentsAndLineEnds) {
    // As the last line without a line end the comment stays and is compiled too.
    EXPECT_EQ(dw::CompileSource("value = 5 /* x */ // y", false), "G = 5 // y");
    EXPECT_EQ(dw::CompileSource("   // note\r\nshow\r\n", false), " \r\nM\r\n");
}

// The statements that act on elements are compiled and run through the actions and print
// tests; here the operators, the control words and the link statements.
TEST(Compiler, OperatorsAndKeywords) {
    ExpectCompiled(
        {"if value >= 10", "if value=>10", "if value <>0", "if value < 3", "if value == 1",
         "if value != 1", "if value > 1", "if value =< 1"},
        {"L G V 10", "L GV 10", "L G W 0", "L G Y 3", "L G X 1", "L G W 1", "L G Z 1", "L G U 1"});
    ExpectCompiled({"value+=5", "value -= 5", "data *= 2", "data /= 2", "data = value"},
                   {"GQ 5", "G R 5", "P S 2", "P T 2", "P = G"});
    ExpectCompiled({"endifs", "endif", "else", "link offset 3000 server 1",
                    "set offset 200 server 2 = value", "round value", "int data", "factor 2 key 3"},
                   {"!", "H", "K", "C E 3000 F 1", "n E 200 F 2 = G", "b G", "c P", "B2 m 3"});
    // Keywords inside words and texts are rewritten too; "print" without a blank is no print
    // statement, and its "int" is truncation.
    ExpectCompiled({"setfile paint.wav", "reset", "IF Value", "print_str A<B", "print"},
                   {"s pac .wav", "ren", "IF Value", "l AY B", "prc "});
    // Shapes without fill: the rewrite to setbordercolor needs the blank after the keyword.
    ExpectCompiled({"setcolor 255", "setcolor\t255"}, {"t 255", "q \t255"}, true);
}

// The primary link read from a main program as "offset server", or "none".
std::string LinkOf(const char* source) {
    const auto link = dw::ParseLinkText(source);
    return link ? std::to_string(link->offset) + " " + std::to_string(link->server) : "none";
}

TEST(ParseLink, FirstLinkOffsetStatementCounts) {
    EXPECT_EQ(
        LinkOf("if value > 1\r\nlink offset 12  server\t2\r\nendif\r\nlink offset 7 server 1"),
        "12 2");
    EXPECT_EQ(LinkOf("link offset -5 server +2"), "-5 2");
    EXPECT_EQ(LinkOf("link offset3server1"), "3 1");
    for (const char* none : {"link offset 3000\r\n", "// link offset 3 server 1\r\nshow\r\n",
                             "link  offset 3 server 1", "link offset x\r\nlink offset 1 server 1"})
        EXPECT_EQ(LinkOf(none), "none") << none;
}

}  // namespace
