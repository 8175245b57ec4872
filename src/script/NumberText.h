#pragma once
// Reading numbers out of script words the way the script language defines it: a word means
// the number that its beginning spells, and 0 when it does not begin with one. Parsing is
// locale-independent (the decimal separator is always '.').
#include <cstdint>
#include <string_view>

namespace dw {

// The leading decimal floating-point number of `text` ([+-]digits[.digits][(e|E)[+-]digits],
// at least one digit before the exponent), 0.0 when there is none. Too large a magnitude gives
// an infinity, too small a zero. `used` (optional) receives the number of characters read.
double LeadingDouble(std::string_view text, std::size_t* used = nullptr);

// The leading decimal integer of `text` ([+-]digits), 0 when there is none. Values outside the
// 32-bit range saturate. `used` (optional) receives the number of characters read (0 when none).
std::int32_t LeadingInt(std::string_view text, std::size_t* used = nullptr);

// A number converted to a signed 32-bit integer toward zero; NaN and values outside the
// 32-bit range give -2147483648.
std::int32_t TruncateToInt32(double number);

}  // namespace dw
