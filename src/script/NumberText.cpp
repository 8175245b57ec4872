#include "script/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace dw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double LeadingDouble(std::string_view text, std::size_t* used) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t intDigits = 0;
    std::size_t significantIntDigits = 0;  // integer digits from the first non-zero one
    while (i < text.size() && IsDigit(text[i])) {
        if (significantIntDigits > 0 || text[i] != '0') ++significantIntDigits;
        ++intDigits;
        ++i;
    }
    std::size_t fracDigits = 0;
    std::size_t fracLeadingZeros = 0;
    bool fracNonZeroSeen = false;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) {
            if (!fracNonZeroSeen) {
                if (text[j] == '0')
                    ++fracLeadingZeros;
                else
                    fracNonZeroSeen = true;
            }
            ++fracDigits;
            ++j;
        }
        if (intDigits > 0 || fracDigits > 0) i = j;
    }
    if (intDigits == 0 && fracDigits == 0) {
        if (used) *used = 0;
        return 0.0;
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                if (exponent < 100000000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (expNegative) exponent = -exponent;
            i = j;
        }
    }
    if (used) *used = i;

    const std::string_view number = text.substr(mantissaStart, i - mantissaStart);
    double result = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), result,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal order of magnitude.
        long long order = exponent;
        if (significantIntDigits > 0)
            order += static_cast<long long>(significantIntDigits);
        else
            order -= static_cast<long long>(fracLeadingZeros);
        result = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        // Cannot happen for the validated text above; stay defined anyway.
        result = 0.0;
    }
    return negative ? -result : result;
}

std::int32_t LeadingInt(std::string_view text, std::size_t* used) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) {
        if (used) *used = 0;
        return 0;
    }
    long long magnitude = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (magnitude <= 0x80000000LL) magnitude = magnitude * 10 + (text[i] - '0');
        ++i;
    }
    if (used) *used = i;
    long long value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t TruncateToInt32(double number) {
    // The range test is written so that NaN fails it.
    if (number > -2147483649.0 && number < 2147483648.0) return static_cast<std::int32_t>(number);
    return std::numeric_limits<std::int32_t>::min();
}

}  // namespace dw
