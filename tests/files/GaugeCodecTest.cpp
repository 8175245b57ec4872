// Attribute encodings and version rules of the gauge format (the plain cases are checked
// through whole files in the document tests).
#include <gtest/gtest.h>

#include <cstdint>

#include "files/AttributeCodec.h"
#include "files/GaugeVersion.h"

namespace {

using namespace dw;

TEST(AttributeCodec, NumbersAreReadForgivinglyWithinBounds) {
    EXPECT_EQ(FormatReal(33.3f), "33.299999");  // a float widened to double, as "%f" does
    EXPECT_EQ(FormatReal(1e20), "100000000000000000000.000000");
    const std::pair<const char*, int> ints[] = {{"  -7", -7},  {"+9", 9}, {"-12.9", -12},
                                                {"12abc", 12}, {"", 0},   {"-", 0}};
    for (const auto& [text, value] : ints) EXPECT_EQ(ParseInt(text), value) << text;
    EXPECT_EQ(ParseInt("99999999999"), INT32_MAX);
    EXPECT_EQ(ParseInt("-99999999999"), INT32_MIN);
    EXPECT_EQ(ParseColour("-1"), 0xFFFFFFFFu);
    const std::pair<const char*, float> reals[] = {
        {" -0.75", -0.75f}, {".5", 0.5f},   {"2.5e1", 25.0f}, {"7degrees", 7.0f}, {"x", 0.0f},
        {"nan", 0.0f},      {"-inf", 0.0f}, {"1e39", 0.0f},   {"0x10", 0.0f}};
    for (const auto& [text, value] : reals) EXPECT_EQ(ParseReal(text), value) << text;
}

TEST(AttributeCodec, FlagsLiteralsAndPrograms) {
    for (const char* no : {"Yes", "yes ", "1", ""}) EXPECT_FALSE(ParseFlag(no)) << no;
    // Pairs are taken from the left; a backslash-n typed by the user becomes a line break.
    const std::pair<const char*, const char*> literals[] = {
        {"C:\\\\new", "C:\\\new"}, {"ends\\", "ends\\"}, {"\\t", "\\t"}};
    for (const auto& [stored, text] : literals) EXPECT_EQ(DecodeLiteral(stored), text) << stored;
    EXPECT_EQ(EncodeLiteral("\n\n"), "\\n\\n");
    const std::pair<const char*, const char*> programs[] = {
        {"a\r\n", "a\r\n"}, {"x\n", "x\n\r\n"}, {"x\r", "x\r\r\n"}};
    for (const auto& [program, ending] : programs) EXPECT_EQ(EnsureCrLf(program), ending);
}

TEST(GaugeVersion, AMissingVersionIsBelowEveryVersion) {
    EXPECT_FALSE(IsNewerFormat(""));
    EXPECT_TRUE(IsNewerFormat("2.0.0.0 "));
    EXPECT_FALSE(HasWindowPlacement("") || HasColoursAndAlias(""));
}

}  // namespace
