#pragma once
// The ordered substitutions that turn script keywords and operators into opcodes.
#include <span>
#include <string>
#include <string_view>

namespace dw {

struct KeywordRow {
    std::string_view replace;  // text searched for (case-sensitive, anywhere in the text)
    std::string_view by;       // its replacement
    bool repeat;               // applied again until the text no longer holds `replace`
};

// The 77 rows in the order they are applied.
std::span<const KeywordRow> KeywordTable();

// Replaces every non-overlapping occurrence of `from`, left to right; returns the count.
std::size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// Applies every row of the table to `text`.
void ApplyKeywordTable(std::string& text);

}  // namespace dw
