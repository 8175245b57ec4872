#include "platform/FileFilter.h"

#include <cctype>

namespace dw {

namespace {

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

std::vector<std::string> SplitPatterns(const std::string& text) {
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t stop = text.find(';', start);
        if (stop == std::string::npos) stop = text.size();
        std::string pattern = Trim(text.substr(start, stop - start));
        if (!pattern.empty()) patterns.push_back(std::move(pattern));
        start = stop + 1;
    }
    return patterns;
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(const std::string& filterText) {
    std::vector<FileFilter> filters;
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start < filterText.size()) {
        std::size_t stop = filterText.find('|', start);
        if (stop == std::string::npos) stop = filterText.size();
        fields.push_back(filterText.substr(start, stop - start));
        start = stop + 1;
    }
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        // An empty description is the "||" that ends the list.
        if (Trim(fields[i]).empty()) break;
        FileFilter filter{fields[i], SplitPatterns(fields[i + 1])};
        if (filter.patterns.empty()) filter.patterns.push_back("*.*");
        filters.push_back(std::move(filter));
    }
    return filters;
}

}  // namespace dw
