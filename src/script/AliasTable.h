#pragma once
// The offset alias table: names for the variable numbers of the scripts, read from the
// alias file (one "number NAME" entry per line), and the two conversions of an element's
// programs between numbers (what elements hold) and names (what the user edits).
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace dw {

class CElement;

struct AliasEntry {
    std::int32_t number = 0;
    std::string name;

    friend bool operator==(const AliasEntry&, const AliasEntry&) = default;
};

// The alias names of the two server links ("server FlightSimulator" means link 1).
struct ServerAliases {
    std::string link1;
    std::string link2;
};

class AliasTable {
public:
    // Reading stops at this many entries.
    static constexpr std::size_t kMaxEntries = 3000;
    // Longer lines are cut here: an alias file is a short word list, never a large file.
    static constexpr std::size_t kMaxLineLength = 4096;

    // Empties the table and reads the file at `path` (any separator and letter case,
    // relative to the working folder). An empty path or a missing file leaves it empty.
    void Load(const std::string& path);
    // Reads the entries of alias file text (each line "%s %s": a leading-integer number and
    // a one-word name; lines with fewer than two words are skipped).
    void LoadText(const std::string& text);
    void Clear() { entries_.clear(); }

    const std::vector<AliasEntry>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }

    // Both programs of the element (click program first), names turned into numbers:
    // "offset NAME " becomes "offset 3000 " for each entry from the last to the first, then
    // "server <alias of link 1>" becomes "server 1" and likewise for link 2; then the
    // element's primary link is read again (the parseLink hook).
    void NamesToNumbers(CElement& element, const ServerAliases& servers) const;
    // The reverse, for showing the programs while they are edited; the link is not re-read.
    void NumbersToNames(CElement& element, const ServerAliases& servers) const;

    // The conversions on one program text.
    std::string NamesToNumbers(const std::string& program, const ServerAliases& servers) const;
    std::string NumbersToNames(const std::string& program, const ServerAliases& servers) const;

private:
    void ReadEntries(std::istream& in);

    std::vector<AliasEntry> entries_;
};

// The number at the start of a word as a leading-integer parse reads it: optional blanks and
// sign, then decimal digits up to the first other character; 0 when there are none.
std::int32_t LeadingInteger(const std::string& word);
// Replaces every occurrence of `from` in text by `to`, left to right, not re-scanning what
// was put in.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);

}  // namespace dw
