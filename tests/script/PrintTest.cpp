// The print statements of text elements, run end to end.
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;

// The text shown after running `program` with value = `value` and data = `data`.
std::string Shown(const std::string& line, double value = 0, double data = 0) {
    Harness h;
    const std::string setup =
        "value = " + std::to_string(value) + "\r\ndata = " + std::to_string(data) + "\r\n";
    auto e = h.Make(ElementKind::Text, setup + line + "\r\n");
    const auto r = h.Run(*e);
    if (!r.ok) return "<error " + std::to_string(r.errorCode) + ">";
    EXPECT_EQ(e->calls.back(), "render " + e->text);
    return e->text;
}

TEST(Print, NumberFormats) {
    EXPECT_EQ(Shown("print %05.1f", 0, 3.14159), "003.1");
    EXPECT_EQ(Shown("print %05.1f value", 3.14159), "003.1");
    EXPECT_EQ(Shown("print %05.1f 7"), "007.0");
    EXPECT_EQ(Shown("print HDG%03.0f data", 0, 45), "HDG045");
    EXPECT_EQ(Shown("print"), "<error 1>");
    EXPECT_EQ(Shown("print %d"), "<error 1>");
}

TEST(Print, Frequencies) {
    EXPECT_EQ(Shown("print_com value", 9029), "123.45");
    EXPECT_EQ(Shown("print_com", 0, 6144), "118.00");
    EXPECT_EQ(Shown("print_frq 2384"), "109.50");
    EXPECT_EQ(Shown("print_com 2053"), "108.05");
    EXPECT_EQ(Shown("print_nav value", 4245), "110.95");
}

TEST(Print, TransponderAndAdf) {
    EXPECT_EQ(Shown("print_xpndr value", 4608), "1200");
    EXPECT_EQ(Shown("print_xpndr 7"), "0007");
    EXPECT_EQ(Shown("print_xpndr data", 0, -1), "ffff");
    EXPECT_EQ(Shown("print_adf value", 837), "345");
    EXPECT_EQ(Shown("print_adf 4660"), "234");
}

TEST(Print, StringsAndIdentifiers) {
    EXPECT_EQ(Shown("print_ident value", 4276545), "AAA");
    EXPECT_EQ(Shown("print_ident value", 0), "");
    EXPECT_EQ(Shown("print_str", 0, 4276545), "AAA");
    EXPECT_EQ(Shown("print_str LINE 1\\nLINE 2"), "LINE 1\nLINE 2");
    EXPECT_EQ(Shown("print_str show"), "M");
    EXPECT_EQ(Shown("print_str a=b"), "a= b");
    EXPECT_EQ(Shown("print_str A<B"), "AY B");
    EXPECT_EQ(Shown("print_str A  B"), "A B");
    EXPECT_EQ(Shown("print_str GEAR DOWN", 4276545), "AAA");
    EXPECT_EQ(Shown("print_str PARK", 0, 66), "B");
}

TEST(Print, OnlyTextElementsPrint) {
    Harness h;
    for (ElementKind kind : {ElementKind::Image, ElementKind::Primitive, ElementKind::Audio}) {
        auto e = h.Make(kind, Lines({"print_str A"}));
        EXPECT_EQ(h.Run(*e).errorCode, 1);
    }
}

}  // namespace
