#include "editor/dialogs/AliasFileLines.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "files/AttributeCodec.h"

namespace dw::dialogs {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The next blank-separated word from position at; at moves past it. Empty at the end.
std::string_view NextWord(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && !IsBlank(text[at])) ++at;
    return text.substr(start, at - start);
}

}  // namespace

std::optional<AliasLine> ParseAliasLine(std::string_view line) {
    std::size_t at = 0;
    const std::string_view number = NextWord(line, at);
    const std::string_view name = NextWord(line, at);
    if (number.empty() || name.empty()) return std::nullopt;
    return AliasLine{ParseInt(number), std::string(name)};
}

std::string UpperLatin1(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            c = static_cast<char>(u - 0x20);
    }
    return text;
}

std::string NameSearchItem(const AliasLine& entry) {
    char number[16];
    std::snprintf(number, sizeof number, "%05d", static_cast<int>(entry.number));
    return UpperLatin1(std::string(number) + " - " + entry.name);
}

std::vector<std::string> ReadNameSearchItems(const std::string& realPath,
                                             const std::string& filter) {
    std::vector<std::string> items;
    std::ifstream in(realPath, std::ios::binary);
    if (!in) return items;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size <= 0) return items;
    std::string content(std::min(static_cast<std::size_t>(size), kMaxAliasFileBytes), '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));

    const std::string wanted = UpperLatin1(filter);
    std::size_t entries = 0;
    std::size_t start = 0;
    while (start < content.size() && entries < kMaxAliasEntries) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        const std::string_view line =
            std::string_view(content).substr(start, std::min(end - start, kMaxAliasLine));
        start = end + 1;
        const std::optional<AliasLine> entry = ParseAliasLine(line);
        if (!entry) continue;
        ++entries;
        std::string item = NameSearchItem(*entry);
        if (wanted.empty() || item.find(wanted) != std::string::npos)
            items.push_back(std::move(item));
    }
    return items;
}

std::string NameOfSearchItem(const std::string& item) {
    std::size_t first = 0;
    std::size_t last = item.size();
    while (first < last && IsBlank(item[first])) ++first;
    while (last > first && IsBlank(item[last - 1])) --last;
    std::string name = item.substr(first, last - first);
    name = name.size() > 8 ? name.substr(8) : std::string();
    const std::size_t blank = name.find(' ');
    if (blank != std::string::npos) name.resize(blank);
    return name;
}

}  // namespace dw::dialogs
