#pragma once
// Value encodings of gauge file attributes. Integers and colours are written as signed
// decimal, reals with six decimals, flags as "yes"/"no". Reading is forgiving: a missing or
// malformed value reads as 0 (or false), a number is read from its leading digits.
#include <cstdint>
#include <string>
#include <string_view>

namespace dw {

std::string FormatInt(std::int64_t value);
std::string FormatReal(double value);  // "%f": fixed notation, six decimals
std::string FormatFlag(bool value);    // "yes" or "no"
// Colours (0x00BBGGRR) as signed decimal: 0x808080 is "8421504", 0xFFFFFFFF is "-1".
std::string FormatColour(std::uint32_t colour);

// The leading integer of the text (blanks, an optional sign, then digits), 0 when there is
// none; "12.500000" reads as 12. Values beyond 32 bits saturate.
std::int32_t ParseInt(std::string_view text);
// The leading decimal fraction of the text, 0 when there is none. Values that don't fit a
// float, and "nan"/"inf", read as 0 so that no element is ever built from them.
float ParseReal(std::string_view text);
// True exactly for "yes" (case-sensitive).
bool ParseFlag(std::string_view text);
// A colour read as a signed decimal integer.
std::uint32_t ParseColour(std::string_view text);

// The "literal" attribute of texts: a line feed is stored as the two characters '\' 'n'.
std::string EncodeLiteral(std::string_view text);
std::string DecodeLiteral(std::string_view text);

// Programs always end with "\r\n": appends it when the text doesn't end with it.
std::string EnsureCrLf(std::string text);

}  // namespace dw
