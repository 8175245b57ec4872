#include "script/AliasTable.h"

#include <fstream>
#include <sstream>

#include "files/Paths.h"
#include "model/CElement.h"
#include "model/ElementHooks.h"

namespace dw {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The first two blank-separated words of a line.
bool SplitTwoWords(const std::string& line, std::string& first, std::string& second) {
    std::size_t i = 0;
    const auto word = [&](std::string& out) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        out = line.substr(start, i - start);
        return !out.empty();
    };
    return word(first) && word(second);
}

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

std::int32_t LeadingInteger(const std::string& word) {
    std::size_t i = 0;
    while (i < word.size() && IsBlank(word[i])) ++i;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    std::int64_t value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > 0x80000000LL) value = 0x80000000LL;  // saturates like the C library
    }
    if (negative) value = -value;
    if (value > 0x7FFFFFFF) value = 0x7FFFFFFF;
    return static_cast<std::int32_t>(value);
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    std::size_t pos = text.find(from);
    if (pos == std::string::npos) return;
    std::string out;
    out.reserve(text.size());
    std::size_t copied = 0;
    while (pos != std::string::npos) {
        out.append(text, copied, pos - copied);
        out += to;
        copied = pos + from.size();
        pos = text.find(from, copied);
    }
    out.append(text, copied, std::string::npos);
    text = std::move(out);
}

void AliasTable::Load(const std::string& path) {
    entries_.clear();
    if (path.empty()) return;
    std::ifstream in(ResolveStoredPath(path), std::ios::binary);
    if (in) ReadEntries(in);
}

void AliasTable::LoadText(const std::string& text) {
    entries_.clear();
    std::istringstream in(text);
    ReadEntries(in);
}

void AliasTable::ReadEntries(std::istream& in) {
    std::string line;
    std::streambuf* buffer = in.rdbuf();
    bool more = true;
    while (more && entries_.size() < kMaxEntries) {
        // One line, of which at most kMaxLineLength characters are kept.
        line.clear();
        for (;;) {
            const int c = buffer->sbumpc();
            if (c == std::char_traits<char>::eof()) {
                more = false;
                break;
            }
            if (c == '\n') break;
            if (line.size() < kMaxLineLength) line.push_back(static_cast<char>(c));
        }
        std::string number, name;
        if (SplitTwoWords(line, number, name)) entries_.push_back({LeadingInteger(number), name});
    }
}

std::string AliasTable::NamesToNumbers(const std::string& program,
                                       const ServerAliases& servers) const {
    std::string text = program;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        const std::string name = Trimmed(it->name);
        if (name.empty()) continue;
        ReplaceAll(text, "offset " + name + " ", "offset " + std::to_string(it->number) + " ");
    }
    // An empty alias would match every "server " and is left out.
    if (!servers.link1.empty()) ReplaceAll(text, "server " + servers.link1, "server 1");
    if (!servers.link2.empty()) ReplaceAll(text, "server " + servers.link2, "server 2");
    return text;
}

std::string AliasTable::NumbersToNames(const std::string& program,
                                       const ServerAliases& servers) const {
    std::string text = program;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        const std::string name = Trimmed(it->name);
        if (name.empty()) continue;
        ReplaceAll(text, "offset " + std::to_string(it->number) + " ", "offset " + name + " ");
    }
    if (!servers.link1.empty()) ReplaceAll(text, "server 1", "server " + servers.link1);
    if (!servers.link2.empty()) ReplaceAll(text, "server 2", "server " + servers.link2);
    return text;
}

void AliasTable::NamesToNumbers(CElement& element, const ServerAliases& servers) const {
    element.clickProgram = NamesToNumbers(element.clickProgram, servers);
    element.mainProgram = NamesToNumbers(element.mainProgram, servers);
    CallParseLink(element);
}

void AliasTable::NumbersToNames(CElement& element, const ServerAliases& servers) const {
    element.clickProgram = NumbersToNames(element.clickProgram, servers);
    element.mainProgram = NumbersToNames(element.mainProgram, servers);
}

}  // namespace dw
