#pragma once
// Reading the offset alias file for the name search: one entry per line, two words, the
// variable number (its leading integer) and the name; the rest of the line is ignored.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dw::dialogs {

// Entries read from one file at most.
inline constexpr std::size_t kMaxAliasEntries = 3000;
// Longer lines are cut to this many characters; bytes past kMaxAliasFileBytes are not read.
inline constexpr std::size_t kMaxAliasLine = 4096;
inline constexpr std::size_t kMaxAliasFileBytes = 16 * 1024 * 1024;

struct AliasLine {
    std::int32_t number = 0;
    std::string name;
};

// The two words of a line; nothing for a line with fewer than two words.
std::optional<AliasLine> ParseAliasLine(std::string_view line);

// Upper-cases Latin-1 text (a-z and the accented small letters).
std::string UpperLatin1(std::string text);

// The list item of an entry: "%05d - %s", upper-cased.
std::string NameSearchItem(const AliasLine& entry);

// The items of the file at realPath whose text holds filter (upper-cased first) anywhere, in
// file order; every item when the filter is empty. Nothing when the file cannot be read.
std::vector<std::string> ReadNameSearchItems(const std::string& realPath,
                                             const std::string& filter);

// The alias name of a list item: trimmed, its first 8 characters (the five digits and " - ")
// dropped, cut at its first blank.
std::string NameOfSearchItem(const std::string& item);

}  // namespace dw::dialogs
