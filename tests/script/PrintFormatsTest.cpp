// The texts of the print statements.
#include <gtest/gtest.h>

#include "script/PrintFormats.h"

namespace {

std::string Format(const char* format, double number) {
    auto parsed = dw::PrintFormat::Parse(format);
    if (!parsed) return "<rejected>";
    return parsed->Apply(number);
}

TEST(PrintFormat, FloatingConversions) {
    EXPECT_EQ(Format("%05.1f", 3.14159), "003.1");
    EXPECT_EQ(Format("%05.1f", 7), "007.0");
    EXPECT_EQ(Format("HDG%03.0f", 45), "HDG045");
    EXPECT_EQ(Format("%.2e", 1234.5), "1.23e+03");
    EXPECT_EQ(Format("%G", 0.5), "0.5");
    EXPECT_EQ(Format("%a", 1.0), "0x1p+0");
    EXPECT_EQ(Format("%-6.1f|", 2.25), "2.2   |");
    EXPECT_EQ(Format("%+.0f%%", 50), "+50%");
    EXPECT_EQ(Format("100%%%.1F", 2), "100%2.0");
}

TEST(PrintFormat, RejectsEverythingButOneFloatingConversion) {
    for (const char* bad :
         {"%d",   "%s",  "%n",  "%x",     "%05.1f%f", "abc",  "%%",  "%",   "%5",  "%*f",
          "%.*f", "%lf", "%Lf", "%1234f", "%.1234f",  "%1$f", "%'f", "%f%", "%hf", "%c"})
        EXPECT_FALSE(dw::PrintFormat::Parse(bad).has_value()) << bad;
    EXPECT_TRUE(dw::PrintFormat::Parse("%999.999f").has_value());
}

TEST(PrintFormat, LargeWidthsAreFormattedCompletely) {
    EXPECT_EQ(Format("%300.1f", 1).size(), 300u);
}

TEST(PrintFormats, Frequencies) {
    EXPECT_EQ(dw::FrequencyText(9029), "123.45");
    EXPECT_EQ(dw::FrequencyText(6144), "118.00");
    EXPECT_EQ(dw::FrequencyText(2384), "109.50");
    EXPECT_EQ(dw::FrequencyText(2053), "108.05");
    EXPECT_EQ(dw::FrequencyText(4245), "110.95");
    // The padding test is against ten: 0x0a is shown as "a" without padding.
    EXPECT_EQ(dw::FrequencyText(0x0a0b), "1a.b");
}

TEST(PrintFormats, TransponderAndAdf) {
    EXPECT_EQ(dw::TransponderText(4608), "1200");
    EXPECT_EQ(dw::TransponderText(7), "0007");
    EXPECT_EQ(dw::TransponderText(-1), "ffff");
    EXPECT_EQ(dw::AdfText(837), "345");
    EXPECT_EQ(dw::AdfText(4660), "234");
    EXPECT_EQ(dw::AdfText(7.9), "007");
}

TEST(PrintFormats, PackedCharacters) {
    EXPECT_EQ(dw::PackedCharsText(4276545), "AAA");
    EXPECT_EQ(dw::PackedCharsText(0), "");
    EXPECT_EQ(dw::PackedCharsText(0x44434241), "ABCD");
    EXPECT_EQ(dw::PackedCharsText(0x00420041), "A");
    EXPECT_EQ(dw::PackedCharsText(-5), "");
}

TEST(PrintFormats, LineBreaks) {
    EXPECT_EQ(dw::ExpandLineBreaks("LINE 1\\nLINE 2"), "LINE 1\nLINE 2");
    EXPECT_EQ(dw::ExpandLineBreaks("a\\\\nb\\"), "a\\\nb\\");
}

}  // namespace
