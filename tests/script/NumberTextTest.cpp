// Leading-number reading of script words and the scanning of statement lines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "script/LineScanner.h"
#include "script/NumberText.h"

namespace {

TEST(LeadingDouble, ReadsTheNumberAtTheStart) {
    std::size_t used = 0;
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("3.25abc", &used), 3.25);
    EXPECT_EQ(used, 4u);
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("+7."), 7.0);
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("2E-2"), 0.02);
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("5e"), 5.0);
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("5e+"), 5.0);
    EXPECT_DOUBLE_EQ(dw::LeadingDouble("1/3"), 1.0);
}

TEST(LeadingDouble, NothingNumericReadsAsZero) {
    std::size_t used = 99;
    for (const char* word : {"", "abc", "G", ".", "-", "+.", "e5", "inf", "nan", " 1"}) {
        EXPECT_EQ(dw::LeadingDouble(word, &used), 0.0) << word;
        EXPECT_EQ(used, 0u) << word;
    }
    // Hexadecimal is not decimal: only its leading 0 is read.
    EXPECT_EQ(dw::LeadingDouble("0x10", &used), 0.0);
    EXPECT_EQ(used, 1u);
}

TEST(LeadingDouble, OutOfRangeMagnitudes) {
    EXPECT_EQ(dw::LeadingDouble("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(dw::LeadingDouble("-1e99999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(dw::LeadingDouble("1e-400"), 0.0);
    EXPECT_EQ(dw::LeadingDouble("0.0000e-400"), 0.0);
    EXPECT_EQ(dw::LeadingDouble(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(LeadingInt, ReadsDigitsAndSaturates) {
    std::size_t used = 0;
    EXPECT_EQ(dw::LeadingInt("255abc", &used), 255);
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(dw::LeadingInt("-12.7"), -12);
    EXPECT_EQ(dw::LeadingInt("+3"), 3);
    EXPECT_EQ(dw::LeadingInt("x1", &used), 0);
    EXPECT_EQ(used, 0u);
    EXPECT_EQ(dw::LeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(dw::LeadingInt("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(dw::LeadingInt("-2147483648"), -2147483647 - 1);
}

TEST(TruncateToInt32, TowardZeroAndIndefiniteOutside) {
    EXPECT_EQ(dw::TruncateToInt32(-2.7), -2);
    EXPECT_EQ(dw::TruncateToInt32(2.7), 2);
    EXPECT_EQ(dw::TruncateToInt32(2147483647.9), 2147483647);
    EXPECT_EQ(dw::TruncateToInt32(-2147483648.9), -2147483647 - 1);
    EXPECT_EQ(dw::TruncateToInt32(2147483648.0), -2147483647 - 1);
    EXPECT_EQ(dw::TruncateToInt32(1e300), -2147483647 - 1);
    EXPECT_EQ(dw::TruncateToInt32(std::nan("")), -2147483647 - 1);
    EXPECT_EQ(dw::TruncateToInt32(-std::numeric_limits<double>::infinity()), -2147483647 - 1);
}

TEST(LineScanner, WordsAndIntegersLikeCScanning) {
    dw::LineScanner scan("C E 3000x F\t1");
    std::string_view word;
    std::int32_t n = 0;
    ASSERT_TRUE(scan.Word(word));
    EXPECT_EQ(word, "C");
    ASSERT_TRUE(scan.Word(word));
    EXPECT_EQ(word, "E");
    ASSERT_TRUE(scan.Int(n));
    EXPECT_EQ(n, 3000);
    // The integer stopped inside its word; the rest of the word is read next.
    ASSERT_TRUE(scan.Word(word));
    EXPECT_EQ(word, "x");
    EXPECT_FALSE(scan.Int(n));
    ASSERT_TRUE(scan.Word(word));
    EXPECT_EQ(word, "F");
    ASSERT_TRUE(scan.Int(n));
    EXPECT_EQ(n, 1);
    EXPECT_FALSE(scan.Word(word));
    EXPECT_TRUE(scan.AtEnd());
}

}  // namespace
