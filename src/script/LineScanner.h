#pragma once
// Whitespace-separated reading of one statement line, with the semantics of the C scanning
// directives the statements are defined by: Word() is "%s" (a run of non-blank characters),
// Int() is "%d" (optional sign and decimal digits, which may stop in the middle of a word;
// the rest of that word is then the next thing read). Blanks are those of the C locale:
// space, tab, line feed, vertical tab, form feed and carriage return.
#include <cstdint>
#include <string_view>

namespace dw {

inline bool IsScanBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

class LineScanner {
public:
    explicit LineScanner(std::string_view line) : line_(line) {}

    // Reads the next word; false at the end of the line.
    bool Word(std::string_view& word);
    // Reads a decimal integer (saturating to 32 bits); false when none starts here.
    bool Int(std::int32_t& value);
    // Skips blanks and tells whether the end of the line was reached.
    bool AtEnd();

private:
    void SkipBlanks();

    std::string_view line_;
    std::size_t pos_ = 0;
};

}  // namespace dw
