// Leading-number reading of script words and the scanning of statement lines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "script/NumberText.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int32_t kMin = -2147483647 - 1;

TEST(LeadingDouble, ReadsTheNumberAtTheStart) {
    struct Row {
        std::string word;
        double number;
        std::size_t used;
    };
    const Row rows[] = {
        {"3.25abc", 3.25, 4}, {"-.5", -0.5, 3}, {"+7.", 7, 3},
        {"1e3x", 1000, 3},    {"5e+", 5, 1},    {"1/3", 1, 1},
        {"0x10", 0, 1},       {"", 0, 0},       {".", 0, 0},
        {"e5", 0, 0},         {"inf", 0, 0},    {" 1", 0, 0},
        {"1e400", kInf, 5},   {"1e-400", 0, 6}, {"9e99999999999", kInf, 13},
    };
    for (const Row& row : rows) {
        std::size_t used = 99;
        EXPECT_DOUBLE_EQ(dw::LeadingDouble(row.word, &used), row.number) << row.word;
        EXPECT_EQ(used, row.used) << row.word;
    }
}

TEST(LeadingInt, ReadsDigitsAndSaturates) {
    std::size_t used = 0;
    EXPECT_EQ(dw::LeadingInt("255abc", &used), 255);
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(dw::LeadingInt("-12.7"), -12);
    EXPECT_EQ(dw::LeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(dw::LeadingInt("-99999999999999999999"), kMin);
    EXPECT_EQ(dw::LeadingDouble(std::string(400, '9')), kInf);
}

TEST(TruncateToInt32, TowardZeroAndIndefiniteOutside) {
    const std::pair<double, std::int32_t> rows[] = {
        {-2.7, -2},           {2.7, 2},      {2147483647.9, 2147483647}, {-2147483648.9, kMin},
        {2147483648.0, kMin}, {1e300, kMin}, {std::nan(""), kMin},       {-kInf, kMin},
    };
    for (const auto& [number, integer] : rows)
        EXPECT_EQ(dw::TruncateToInt32(number), integer) << number;
}

}  // namespace
