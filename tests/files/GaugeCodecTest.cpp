// Attribute encodings and version rules of the gauge format.
#include <gtest/gtest.h>

#include "files/AttributeCodec.h"
#include "files/GaugeVersion.h"

namespace {

using namespace dw;

TEST(AttributeCodec, WritesIntegersRealsAndFlags) {
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-17), "-17");
    EXPECT_EQ(FormatInt(0x808080), "8421504");
    EXPECT_EQ(FormatReal(12.5), "12.500000");
    EXPECT_EQ(FormatReal(-0.25), "-0.250000");
    EXPECT_EQ(FormatReal(360.0f), "360.000000");
    EXPECT_EQ(FormatReal(33.3f), "33.299999");  // a float widened to double, as "%f" does
    EXPECT_EQ(FormatReal(1e20), "100000000000000000000.000000");
    EXPECT_EQ(FormatColour(0x808080), "8421504");
    EXPECT_EQ(FormatColour(0xFFFFFFFFu), "-1");
    EXPECT_EQ(ParseColour("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseColour("12845056"), 0xC40000u);
    EXPECT_EQ(FormatFlag(true), "yes");
    EXPECT_EQ(FormatFlag(false), "no");
}

TEST(AttributeCodec, ReadsTheLeadingIntegerOnly) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("  -7"), -7);
    EXPECT_EQ(ParseInt("+9"), 9);
    EXPECT_EQ(ParseInt("12.500000"), 12);
    EXPECT_EQ(ParseInt("-12.9"), -12);
    EXPECT_EQ(ParseInt("8421504"), 8421504);
    EXPECT_EQ(ParseInt("-16777216"), -16777216);
    EXPECT_EQ(ParseInt("12abc"), 12);
    EXPECT_EQ(ParseInt(""), 0);
    EXPECT_EQ(ParseInt("abc"), 0);
    EXPECT_EQ(ParseInt("-"), 0);
}

TEST(AttributeCodec, SaturatesIntegersBeyond32Bits) {
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInt("99999999999999999999999"), 2147483647);
    EXPECT_EQ(ParseInt("-99999999999999999999999"), -2147483647 - 1);
}

TEST(AttributeCodec, ReadsDecimalFractions) {
    EXPECT_FLOAT_EQ(ParseReal("12.500000"), 12.5f);
    EXPECT_FLOAT_EQ(ParseReal(" -0.75"), -0.75f);
    EXPECT_FLOAT_EQ(ParseReal("+3"), 3.0f);
    EXPECT_FLOAT_EQ(ParseReal(".5"), 0.5f);
    EXPECT_FLOAT_EQ(ParseReal("2.5e1"), 25.0f);
    EXPECT_FLOAT_EQ(ParseReal("7degrees"), 7.0f);
    EXPECT_EQ(ParseReal(""), 0.0f);
    EXPECT_EQ(ParseReal("x"), 0.0f);
}

TEST(AttributeCodec, RefusesNonFiniteAndOverlargeReals) {
    EXPECT_EQ(ParseReal("nan"), 0.0f);
    EXPECT_EQ(ParseReal("-inf"), 0.0f);
    EXPECT_EQ(ParseReal("infinity"), 0.0f);
    EXPECT_EQ(ParseReal("1e39"), 0.0f);
    EXPECT_EQ(ParseReal("1e400"), 0.0f);
    EXPECT_EQ(ParseReal("0x10"), 0.0f);  // the hexadecimal form is not a decimal fraction
}

TEST(AttributeCodec, FlagsAreTrueOnlyForExactlyYes) {
    EXPECT_TRUE(ParseFlag("yes"));
    EXPECT_FALSE(ParseFlag("Yes"));
    EXPECT_FALSE(ParseFlag("YES"));
    EXPECT_FALSE(ParseFlag("yes "));
    EXPECT_FALSE(ParseFlag("1"));
    EXPECT_FALSE(ParseFlag(""));
}

TEST(AttributeCodec, LiteralStoresLineFeedsAsBackslashN) {
    EXPECT_EQ(EncodeLiteral("AB\nCD"), "AB\\nCD");
    EXPECT_EQ(EncodeLiteral("\n\n"), "\\n\\n");
    EXPECT_EQ(DecodeLiteral("AB\\nCD"), "AB\nCD");
    EXPECT_EQ(DecodeLiteral(EncodeLiteral("one\ntwo\nthree")), "one\ntwo\nthree");
    // A backslash-n typed by the user comes back as a line break.
    EXPECT_EQ(DecodeLiteral(EncodeLiteral("C:\\new")), "C:\new");
    // Pairs are taken from the left: the first backslash is kept, the second pairs with n.
    EXPECT_EQ(DecodeLiteral("a\\\\nb"), "a\\\nb");
    EXPECT_EQ(DecodeLiteral("ends\\"), "ends\\");
    EXPECT_EQ(DecodeLiteral("\\t"), "\\t");
}

TEST(AttributeCodec, ProgramsEndWithCrLf) {
    EXPECT_EQ(EnsureCrLf(""), "\r\n");
    EXPECT_EQ(EnsureCrLf("None"), "None\r\n");
    EXPECT_EQ(EnsureCrLf("link offset 3\r\n"), "link offset 3\r\n");
    EXPECT_EQ(EnsureCrLf("x\n"), "x\n\r\n");
    EXPECT_EQ(EnsureCrLf("x\r"), "x\r\r\n");
}

TEST(GaugeVersion, ComparesCharacterByCharacter) {
    EXPECT_FALSE(IsNewerFormat("2.0.0.0"));
    EXPECT_TRUE(IsNewerFormat("2.0.0.1"));
    EXPECT_TRUE(IsNewerFormat("3.0"));
    EXPECT_FALSE(IsNewerFormat("10.0.0.0"));  // sorts below "2.0.0.0"
    EXPECT_FALSE(IsNewerFormat("1.0.0.4"));
    EXPECT_FALSE(IsNewerFormat(""));
    EXPECT_TRUE(IsNewerFormat("2.0.0.0 "));
}

TEST(GaugeVersion, OlderVersionsReadOnlyWhatTheyHad) {
    EXPECT_FALSE(HasWindowPlacement("1.0.0.2"));
    EXPECT_TRUE(HasWindowPlacement("1.0.0.3"));
    EXPECT_FALSE(HasColoursAndAlias("1.0.0.3"));
    EXPECT_TRUE(HasColoursAndAlias("1.0.0.4"));
    EXPECT_TRUE(HasColoursAndAlias("2.0.0.0"));
    EXPECT_FALSE(HasWindowPlacement(""));
    EXPECT_FALSE(HasColoursAndAlias(""));
}

TEST(GaugeVersion, RefusalTexts) {
    EXPECT_EQ(NewerFileMessage("/g/a.dwl", "2.0.0.1"),
              std::string("The file /g/a.dwl you are loading is incompatible with this version of "
                          "Dialwright.\r\n\r\nIt's on 2.0.0.1 version and, must be on 2.0.0.0 "
                          "version, or on a older one.\r\n\r\nPlease, got to ") +
                  kDialwrightWebSite + " and download the las version of Dialwright.");
    EXPECT_EQ(NewerFragmentMessage("3.0"),
              "The info you are 'pasting' is incompatible with this version of Dialwright.\r\n\r\n"
              "It's on 3.0 version and, must be on 2.0.0.0 version, or on a newest one.");
    EXPECT_STREQ(kInvalidFormatTitle, "Invalid file format.");
}

}  // namespace
