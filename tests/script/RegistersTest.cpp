// Registers, link statements and "set" in a run.
#include <gtest/gtest.h>

#include <cmath>

#include "ScriptTestSupport.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;

TEST(Registers, ValueStartsWithTheLinkedVariable) {
    Harness h;
    h.SetVariable(1, 10, 9);
    auto e = h.Make(ElementKind::Image, Lines({"link offset 10 server 1", "value /= 2"}));
    EXPECT_EQ(e->linkedOffset, 10);
    EXPECT_EQ(e->linkedServer, 1);
    const auto r = h.Run(*e);
    EXPECT_TRUE(r.ok);
    EXPECT_DOUBLE_EQ(r.value, 4.5);
    EXPECT_EQ(r.data, 0.0);
}

TEST(Registers, AssignmentsAndOperands) {
    Harness h;
    auto run = [&h](const std::string& program) {
        auto e = h.Make(ElementKind::Image, program);
        return h.Run(*e);
    };
    EXPECT_NEAR(run(Lines({"value = 1/3"})).value, 1.0 / 3.0, 1e-15);
    EXPECT_EQ(run(Lines({"value = 7", "value = abc"})).value, 0.0);
    EXPECT_EQ(run(Lines({"value = 7", "value = value"})).value, 0.0);
    EXPECT_EQ(run(Lines({"value = 7", "data = value"})).data, 7.0);
    EXPECT_EQ(run(Lines({"data = 3", "value = data", "value *= 4"})).value, 12.0);
    EXPECT_EQ(run(Lines({"data = 3", "data = data"})).data, 0.0);
    EXPECT_EQ(run(Lines({"value = 10", "value -= 2.5", "value += 0.5"})).value, 8.0);
    EXPECT_TRUE(std::isinf(run(Lines({"value = 1", "value /= 0"})).value));
    // An unknown operator does nothing.
    EXPECT_EQ(run(Lines({"value = 4", "value ? 9"})).value, 4.0);
}

TEST(Registers, RoundAndInt) {
    Harness h;
    auto run = [&h](const char* start, const char* op) {
        auto e = h.Make(ElementKind::Image, Lines({start, op}));
        return h.Run(*e).value;
    };
    EXPECT_EQ(run("value = 2.5", "round value"), 3.0);
    EXPECT_EQ(run("value = -2.5", "round value"), -2.0);
    EXPECT_EQ(run("value = -2.7", "round value"), -2.0);
    EXPECT_EQ(run("value = -2.7", "int value"), -2.0);
    EXPECT_EQ(run("value = 1e300", "int value"), -2147483648.0);
    auto e = h.Make(ElementKind::Image, Lines({"data = 2.5", "round data"}));
    EXPECT_EQ(h.Run(*e).data, 3.0);
}

TEST(Registers, LinkStatementsReloadTheValue) {
    Harness h;
    h.SetVariable(1, 5, 50);
    h.SetVariable(2, 5, 25);
    h.SetVariable(2, 6, 26);
    auto run = [&h](const std::string& program) {
        auto e = h.Make(ElementKind::Image, program);
        return h.Run(*e);
    };
    EXPECT_EQ(run(Lines({"link offset 5 server 1"})).value, 50.0);
    EXPECT_EQ(run(Lines({"link offset 5 server 1", "server 2"})).value, 25.0);
    EXPECT_EQ(run(Lines({"link offset 5 server 2", "offset 6"})).value, 26.0);
    EXPECT_EQ(run(Lines({"link offset 5 server 1", "link s 7"})).value, 25.0);
    EXPECT_EQ(run(Lines({"link offset 5 server 2", "link o 6"})).value, 26.0);
    EXPECT_EQ(run(Lines({"link offset 5 server 1", "server 0"})).value, 0.0);
    // Variables outside the tables read as 0.
    EXPECT_EQ(run(Lines({"link offset 5 server 1", "offset 1196"})).value, 0.0);
    EXPECT_EQ(run(Lines({"link offset 5 server 1", "offset -1"})).value, 0.0);
    EXPECT_EQ(run(Lines({"link offset 99999 server 1"})).value, 0.0);
}

TEST(Registers, ShortLinkFormsWrittenOutAreSyntaxErrors) {
    Harness h;
    auto e = h.Make(ElementKind::Image, Lines({"link offset 5"}));
    const auto r = h.Run(*e);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorCode, 1);
}

TEST(Set, SendsTruncatedValuesToTheRightLink) {
    Harness h;
    h.SetVariable(1, 10, 7);
    auto e =
        h.Make(ElementKind::Image,
               Lines({"link offset 10 server 1", "value = 12.9", "set offset 200 server 2 = value",
                      "set offset 201 = 7", "data = -3.5", "set offset 202 server 1 = data",
                      "set offset 203 = 99abc", "set offset 204 server 5 = 1"}));
    const auto r = h.Run(*e);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(h.sink.sent,
              (std::vector<std::string>{"2:200=12", "2:201=7", "1:202=-3", "1:203=99", "2:204=1"}));
    // set does not change value.
    EXPECT_EQ(r.value, 12.9);
}

TEST(Set, TooFewWordsIsASyntaxError) {
    Harness h;
    auto e = h.Make(ElementKind::Image, Lines({"set offset 200"}));
    EXPECT_EQ(h.Run(*e).errorCode, 1);
    EXPECT_TRUE(h.sink.sent.empty());
}

TEST(Audio, RunsOnlyWhenTheVariableChanges) {
    Harness h;
    h.SetVariable(1, 10, 4);
    auto e = h.Make(ElementKind::Audio, Lines({"link offset 10 server 1", "value /= 3", "play"}));
    auto r = h.Run(*e);
    EXPECT_FALSE(r.skipped);
    // 32-bit arithmetic.
    EXPECT_EQ(r.value, static_cast<double>(4.0f / 3.0f));
    EXPECT_EQ(e->calls, std::vector<std::string>{"play"});
    r = h.Run(*e);
    EXPECT_TRUE(r.skipped);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(e->calls.size(), 1u);
    h.SetVariable(1, 10, 5);
    r = h.Run(*e);
    EXPECT_FALSE(r.skipped);
    EXPECT_EQ(e->calls.size(), 2u);
}

TEST(Audio, ComputesAndComparesIn32Bits) {
    // 16777217 has no 32-bit float; it rounds to 16777216.
    Harness h;
    auto e = h.Make(ElementKind::Audio,
                    Lines({"value = 16777217", "if value == 16777216", "play", "endif"}));
    h.Run(*e);
    EXPECT_EQ(e->calls, std::vector<std::string>{"play"});
    auto image = h.Make(ElementKind::Image,
                        Lines({"value = 16777217", "if value == 16777216", "hide", "endif"}));
    h.Run(*image);
    EXPECT_TRUE(image->shown);
}

}  // namespace
