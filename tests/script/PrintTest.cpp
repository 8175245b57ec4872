// The print statements of text elements, run end to end, and their text formats.
#include <gtest/gtest.h>

#include "ScriptTestSupport.h"
#include "script/PrintFormats.h"

namespace {

using dw::ElementKind;
using scripttest::Harness;
using scripttest::Lines;

// The text shown after running `line` with value = `value` and data = `data`.
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

TEST(Print, ShownTexts) {
    EXPECT_EQ(Shown("print %05.1f", 0, 3.14159), "003.1");  // data unless a register is named
    EXPECT_EQ(Shown("print HDG%03.0f value", 45), "HDG045");
    EXPECT_EQ(Shown("print %d"), "<error 1>");
    EXPECT_EQ(Shown("print_com value", 9029), "123.45");
    EXPECT_EQ(Shown("print_xpndr value", 4608), "1200");
    EXPECT_EQ(Shown("print_xpndr data", 0, -1), "ffff");
    EXPECT_EQ(Shown("print_adf value", 837), "345");
    EXPECT_EQ(Shown("print_ident value", 4276545), "AAA");
    EXPECT_EQ(Shown("print_str", 0, 4276545), "AAA");
    EXPECT_EQ(Shown("print_str LINE 1\\nLINE 2"), "LINE 1\nLINE 2");
    EXPECT_EQ(Shown("print_str PARK", 0, 66), "B");
}

std::string Format(const char* format, double number) {
    auto parsed = dw::PrintFormat::Parse(format);
    return parsed ? parsed->Apply(number) : "<rejected>";
}

TEST(PrintFormat, AcceptsWhatReadsAtMostOneDouble) {
    const std::pair<const char*, const char*> shown[] = {
        {"%.2e", "1.23e+03"},  // 1234.5 in every case
        {"%-8.1f|", "1234.5  |"},
        {"100%%%.1F", "100%1234.5"},
        {"%08.2lf", "01234.50"},  // 'l' has no effect on a floating conversion
        {"%'.0f", "1234"},        // grouping does nothing in the "C" locale
        {"%1$.1f/%1$.0f", "1234.5/1234"},
    };
    for (const auto& [format, text] : shown) EXPECT_EQ(Format(format, 1234.5), text) << format;
    EXPECT_EQ(Format("%300.1f", 1).size(), 300u);
    EXPECT_TRUE(dw::PrintFormat::Parse("%999.999f").has_value());
}

TEST(PrintFormat, RefusesEverythingElse) {
    // Other conversions, a second argument, widths from arguments, other argument sizes,
    // incomplete conversions, other argument numbers and mixed numbering, and sizes beyond
    // the bound.
    for (const char* bad : {"%d", "%s", "%n", "%05.1f%f", "%*f", "%.*f", "%Lf", "%hf", "%", "%f%",
                            "%2$f", "%1$f%f", "%1234f", "%.1234f", "%lF%lf"})
        EXPECT_FALSE(dw::PrintFormat::Parse(bad).has_value()) << bad;
    EXPECT_FALSE(dw::PrintFormat::Parse(std::string_view("%f\0%f", 5)).has_value());
}

TEST(PrintFormat, ScriptsPrintTheNewFormatsInsteadOfStopping) {
    EXPECT_EQ(Shown("print %.1lf 2.25"), "2.2");
    EXPECT_EQ(Shown("print --- 7"), "---");
    EXPECT_EQ(Shown("print 100%% value", 3), "100%");
}

TEST(PrintFormats, PackedNumbers) {
    // The padding test is against ten: 0x0a is shown as "a" without padding.
    EXPECT_EQ(dw::FrequencyText(0x0a0b), "1a.b");
    EXPECT_EQ(dw::AdfText(7.9), "007");
    EXPECT_EQ(dw::PackedCharsText(-5), "");
}

}  // namespace
