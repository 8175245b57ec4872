#pragma once
// IPv4 addresses as four numbers 0 to 255 ("192.168.0.10").
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dw {

using DottedQuad = std::array<std::uint8_t, 4>;

// Reads four numbers separated by dots from the start of text (blanks before each number
// are skipped, anything after the fourth is ignored); nothing when there are not four
// numbers or one of them is above 255. Host names therefore read as nothing.
std::optional<DottedQuad> ParseDottedQuad(std::string_view text);

// "%u.%u.%u.%u".
std::string FormatDottedQuad(const DottedQuad& address);

}  // namespace dw
