// if/else/endif/endifs and the line loop.
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;

// Runs a text-element program that prints markers, and returns the markers printed.
std::string Trace(Harness& h, const std::string& program, double value = 0) {
    auto e = h.Make(ElementKind::Text, program);
    h.SetVariable(1, 1, static_cast<std::int32_t>(value));
    e->linkedServer = 1;
    e->linkedOffset = 1;
    h.Run(*e);
    std::string markers;
    for (const std::string& call : e->calls)
        if (call.rfind("render ", 0) == 0 && call.size() > 7) markers += call.substr(7);
    return markers;
}

TEST(ControlFlow, IfElseRunsExactlyOneBranch) {
    Harness h;
    const std::string program =
        Lines({"if value > 5", "print_str A", "else", "print_str B", "endif", "print_str C"});
    EXPECT_EQ(Trace(h, program, 6), "AC");
    EXPECT_EQ(Trace(h, program, 5), "BC");
}

TEST(ControlFlow, Comparisons) {
    Harness h;
    // Each operator with the values 4, 5 and 6 against 5: "+" where it holds.
    const std::pair<const char*, const char*> cases[] = {
        {"==", "_+_"}, {"!=", "+_+"}, {"<>", "+_+"}, {"<", "+__"},  {">", "__+"},
        {"<=", "++_"}, {"=<", "++_"}, {">=", "_++"}, {"=>", "_++"},
    };
    for (const auto& [op, want] : cases) {
        const std::string program = Lines({(std::string("if value ") + op + " 5").c_str(),
                                           "print_str +", "else", "print_str _", "endif"});
        std::string got;
        for (int v : {4, 5, 6}) got += Trace(h, program, v);
        EXPECT_EQ(got, want) << op;
    }
}

TEST(ControlFlow, RegistersAsOperands) {
    Harness h;
    EXPECT_EQ(Trace(h, Lines({"data = 3", "if data == 3", "print_str Y", "endif"})), "Y");
    EXPECT_EQ(Trace(h, Lines({"data = 3", "if value < data", "print_str Y", "endif"}), 2), "Y");
    // An unknown comparison is false.
    EXPECT_EQ(Trace(h, Lines({"if 1 ? 1", "print_str Y", "else", "print_str N", "endif"})), "N");
}

TEST(ControlFlow, NestedIfs) {
    Harness h;
    const std::string program =
        Lines({"if value > 0", "if value > 5", "print_str A", "else", "print_str B", "endif",
               "print_str C", "else", "print_str D", "endif", "print_str E"});
    EXPECT_EQ(Trace(h, program, 7), "ACE");
    EXPECT_EQ(Trace(h, program, 3), "BCE");
    // The inner else met while skipping the outer then-branch does not stop the skip.
    EXPECT_EQ(Trace(h, program, 0), "DE");
}

TEST(ControlFlow, EndifsClosesEveryOpenIf) {
    Harness h;
    const std::string program =
        Lines({"if value > 0", "if value > 5", "print_str A", "endifs", "print_str B"});
    EXPECT_EQ(Trace(h, program, 7), "AB");
    EXPECT_EQ(Trace(h, program, 3), "B");
}

TEST(ControlFlow, MissingEndifIsAnErrorOnlyWhenSkipping) {
    Harness h;
    auto e = h.Make(ElementKind::Image, Lines({"value = 1", "if value > 5", "show"}));
    auto r = h.Run(*e);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorCode, 2);
    EXPECT_EQ(r.errorLine, 2);
    auto t = h.Make(ElementKind::Image, Lines({"value = 9", "if value > 5", "hide"}));
    r = h.Run(*t);
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(t->shown);
    // An else after a true branch must find its end too.
    auto u = h.Make(ElementKind::Image, Lines({"value = 9", "if value > 5", "show", "else"}));
    r = h.Run(*u);
    EXPECT_EQ(r.errorCode, 2);
    EXPECT_EQ(r.errorLine, 4);
}

TEST(ControlFlow, BlankLineEndsTheRunSilently) {
    Harness h;
    auto e = h.Make(ElementKind::Image, "value = 1\r\n   // note\r\nhide\r\n");
    const auto r = h.Run(*e);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.value, 1.0);
    EXPECT_TRUE(e->shown);
    // A skip does not look past it either.
    auto f = h.Make(ElementKind::Image, "if value > 1\r\n   // note\r\nendif\r\n");
    EXPECT_EQ(h.Run(*f).errorCode, 2);
}

TEST(ControlFlow, NineteenOpenIfsAtMost) {
    Harness h;
    std::string nineteen, twenty;
    for (int i = 0; i < 19; ++i) nineteen += "if 1 == 1\r\n";
    twenty = nineteen + "if 1 == 1\r\n";
    auto ok = h.Make(ElementKind::Image, nineteen + "hide\r\n");
    EXPECT_TRUE(h.Run(*ok).ok);
    EXPECT_FALSE(ok->shown);
    auto bad = h.Make(ElementKind::Image, twenty + "hide\r\n");
    const auto r = h.Run(*bad);
    EXPECT_EQ(r.errorCode, 1);
    EXPECT_EQ(r.errorLine, 20);
    EXPECT_TRUE(bad->shown);
    // Closed ifs free their levels.
    std::string many;
    for (int i = 0; i < 50; ++i) many += "if 1 == 1\r\nendif\r\n";
    auto again = h.Make(ElementKind::Image, many);
    EXPECT_TRUE(h.Run(*again).ok);
}

TEST(ControlFlow, StrayEndsAndElsesAreHarmless) {
    Harness h;
    EXPECT_EQ(Trace(h, Lines({"endif", "endifs", "print_str A", "else", "print_str B"})), "AB");
}

TEST(ControlFlow, ControlStatementsComeBeforeTheBranchGate) {
    Harness h;
    // A true if, then an else that skips to a second else: the branch gate now closes
    // (else-branch while the condition holds), so "hide" is passed over, but an if there
    // is still read, and its missing words are an error.
    auto gated = h.Make(ElementKind::Image, Lines({"if 1 == 1", "else", "else", "hide"}));
    EXPECT_TRUE(h.Run(*gated).ok);
    EXPECT_TRUE(gated->shown);
    auto e = h.Make(ElementKind::Image, Lines({"if 1 == 1", "else", "else", "if value"}));
    const auto r = h.Run(*e);
    EXPECT_EQ(r.errorCode, 1);
    EXPECT_EQ(r.errorLine, 4);
}

}  // namespace
