// The line loop, if/else/endif/endifs, registers, link statements, "set" and the audio
// element's 32-bit run that skips unchanged values.
#include <gtest/gtest.h>

#include <limits>

#include "ScriptTestSupport.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;
constexpr double kInf = std::numeric_limits<double>::infinity();

// Runs a text-element program linked to variable 1:1 = `value`; returns the markers printed.
std::string Trace(Harness& h, const std::string& program, double value = 0) {
    h.SetVariable(1, 1, static_cast<std::int32_t>(value));
    auto e = h.Make(ElementKind::Text, "link offset 1 server 1\r\n" + program);
    h.Run(*e);
    std::string markers;
    for (const std::string& call : e->calls)
        if (call.rfind("render ", 0) == 0 && call.size() > 7) markers += call.substr(7);
    return markers;
}

TEST(ControlFlow, Branches) {
    Harness h;
    const std::string ifElse =
        Lines({"if value > 5", "print_str A", "else", "print_str B", "endif", "print_str C"});
    EXPECT_EQ(Trace(h, ifElse, 6), "AC");
    EXPECT_EQ(Trace(h, ifElse, 5), "BC");
    const std::string nested =
        Lines({"if value > 0", "if value > 5", "print_str A", "else", "print_str B", "endif",
               "print_str C", "else", "print_str D", "endif", "print_str E"});
    EXPECT_EQ(Trace(h, nested, 7), "ACE");
    EXPECT_EQ(Trace(h, nested, 3), "BCE");
    // The inner else met while skipping the outer then-branch does not stop the skip.
    EXPECT_EQ(Trace(h, nested, 0), "DE");
    const std::string endifs =
        Lines({"if value > 0", "if value > 5", "print_str A", "endifs", "print_str B"});
    EXPECT_EQ(Trace(h, endifs, 7), "AB");
    EXPECT_EQ(Trace(h, endifs, 3), "B");
    EXPECT_EQ(Trace(h, Lines({"endif", "endifs", "print_str A", "else", "print_str B"})), "AB");
}

TEST(ControlFlow, Comparisons) {
    Harness h;
    // Each operator with the values 4, 5 and 6 against 5: "+" where it holds ("<>", "=<" and
    // "=>" compile to the letters of "!=", "<=" and ">=").
    const std::pair<const char*, const char*> cases[] = {
        {"==", "_+_"}, {"!=", "+_+"}, {"<", "+__"}, {">", "__+"},
        {"<=", "++_"}, {">=", "_++"}, {"?", "___"},
    };
    for (const auto& [op, want] : cases) {
        const std::string program = Lines({(std::string("if value ") + op + " 5").c_str(),
                                           "print_str +", "else", "print_str _", "endif"});
        std::string got;
        for (int v : {4, 5, 6}) got += Trace(h, program, v);
        EXPECT_EQ(got, want) << op;
    }
    EXPECT_EQ(Trace(h, Lines({"data = 3", "if value < data", "print_str Y", "endif"}), 2), "Y");
}

TEST(ControlFlow, MismatchesBlankLinesAndDepth) {
    Harness h;
    std::string nineteen, many;
    for (int i = 0; i < 19; ++i) nineteen += "if 1 == 1\r\n";
    for (int i = 0; i < 50; ++i) many += "if 1 == 1\r\nendif\r\n";
    struct Row {
        std::string program;
        int code, line;
        bool shown;
    };
    const Row rows[] = {
        // A missing endif is an error only when a false if (or a true branch's else) skips.
        {Lines({"value = 1", "if value > 5", "show"}), 2, 2, true},
        {Lines({"value = 9", "if value > 5", "hide"}), 0, 0, false},
        {Lines({"value = 9", "if value > 5", "show", "else"}), 2, 4, true},
        // A line of blanks ends the run silently, and a skip does not look past it.
        {"value = 1\r\n   // note\r\nhide\r\n", 0, 0, true},
        {"if value > 1\r\n   // note\r\nendif\r\n", 2, 1, true},
        // Nineteen open ifs at most; closed ifs free their levels.
        {nineteen + "hide\r\n", 0, 0, false},
        {nineteen + "if 1 == 1\r\nhide\r\n", 1, 20, true},
        {many + "hide\r\n", 0, 0, false},
        // Control statements come before the branch gate: after a true if, an else that
        // skips to a second else passes "hide" over, but an if there is still read.
        {Lines({"if 1 == 1", "else", "else", "hide"}), 0, 0, true},
        {Lines({"if 1 == 1", "else", "else", "if value"}), 1, 4, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.program);
        auto e = h.Make(ElementKind::Image, row.program);
        const auto r = h.Run(*e);
        EXPECT_EQ(r.ok, row.code == 0);
        EXPECT_EQ(r.errorCode, row.code);
        EXPECT_EQ(r.errorLine, row.line);
        EXPECT_EQ(e->shown, row.shown);
    }
}

TEST(Registers, AssignmentsRoundingAndLinks) {
    Harness h;
    h.SetVariable(1, 10, 9);
    h.SetVariable(1, 5, 50);
    h.SetVariable(2, 5, 25);
    h.SetVariable(2, 6, 26);
    struct Row {
        std::initializer_list<const char*> lines;
        double value, data;
    };
    const Row rows[] = {{{"link offset 10 server 1", "value /= 2"}, 4.5, 0},
                        {{"value = 6/4x"}, 1.5, 0},
                        // Numbers are read up to the first character that ends them.
                        {{"value = 1e3x", "data = -.5"}, 1000, -0.5},
                        {{"value = 0x10", "data = 5e+"}, 0, 5},
                        {{"value = 1e400", "data = 9e99999999999"}, kInf, kInf},
                        {{"value = -2.7", "int value", "data = +7."}, -2, 7},
                        {{"value = 7", "value = abc"}, 0, 0},
                        // Odd statements that run without an error.
                        {{"offset 900", "value = 1", "value /= 0", "data = x1"}, kInf, 0},
                        {{"data = 3", "value = data", "value *= 4", "data = data"}, 12, 0},
                        {{"value = 10", "value -= 2.5", "value += 0.5"}, 8, 0},
                        {{"value = 2.5", "round value"}, 3, 0},
                        {{"value = -2.5", "round value"}, -2, 0},
                        {{"value = 1e300", "int value"}, -2147483648.0, 0},
                        {{"data = 2.5", "round data", "data += 0.9", "int data"}, 0, 3},
                        {{"link offset 5 server 1", "server 2"}, 25, 0},
                        {{"link offset 5 server 2", "link o 6"}, 26, 0},
                        {{"link offset 5 server 1", "server 0"}, 0, 0},
                        // Variables outside the tables read as 0.
                        {{"link offset 5 server 1", "offset 1196"}, 0, 0}};
    for (const Row& row : rows) {
        auto e = h.Make(ElementKind::Image, Lines(row.lines));
        SCOPED_TRACE(e->mainProgram);
        const auto r = h.Run(*e);
        EXPECT_TRUE(r.ok);
        EXPECT_DOUBLE_EQ(r.value, row.value);
        EXPECT_DOUBLE_EQ(r.data, row.data);
    }
}

TEST(Set, SendsTruncatedValuesToTheRightLink) {
    Harness h;
    h.SetVariable(1, 10, 7);
    auto e =
        h.Make(ElementKind::Image,
               Lines({"link offset 10 server 1", "value = 12.9", "set offset 200 server 2 = value",
                      "set offset 201 = 7", "data = -3.5", "set offset 202 server 1 = data",
                      "set offset 203 = 99abc", "set offset 204 server 5 = 1",
                      "set offset -99999999999999999999 server 1 = 99999999999", "set offset 9"}));
    const auto r = h.Run(*e);
    EXPECT_EQ(h.sink.sent, (std::vector<std::string>{"2:200=12", "2:201=7", "1:202=-3", "1:203=99",
                                                     "2:204=1", "1:-2147483648=2147483647"}));
    EXPECT_EQ(r.value, 12.9);  // set does not change value
    EXPECT_EQ(r.errorCode, 1);
    EXPECT_EQ(r.errorLine, 10);
}

TEST(Audio, RunsOnlyWhenTheVariableChangesAndComputesIn32Bits) {
    Harness h;
    h.SetVariable(1, 10, 4);
    auto e = h.Make(ElementKind::Audio, Lines({"link offset 10 server 1", "value /= 3", "play"}));
    EXPECT_EQ(h.Run(*e).value, static_cast<double>(4.0f / 3.0f));
    const auto r = h.Run(*e);
    EXPECT_TRUE(r.skipped);
    EXPECT_TRUE(r.ok);
    h.SetVariable(1, 10, 5);
    EXPECT_FALSE(h.Run(*e).skipped);
    EXPECT_EQ(e->calls, (std::vector<std::string>{"play", "play"}));
    // 16777217 has no 32-bit float; it rounds to 16777216 in audio elements only.
    EXPECT_EQ(
        h.Ran(ElementKind::Audio, {"value = 16777217", "if value == 16777216", "play"})->calls,
        std::vector<std::string>{"play"});
    EXPECT_TRUE(
        h.Ran(ElementKind::Image, {"value = 16777217", "if value == 16777216", "hide"})->shown);
}

}  // namespace
