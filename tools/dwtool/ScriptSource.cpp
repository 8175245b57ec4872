#include "ScriptSource.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace dwtool {

std::optional<std::string> ReadScriptSource(const std::string& path) {
    if (path == "-") {
        std::string text;
        char buffer[4096];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
            text.append(buffer, count);
        if (std::ferror(stdin)) return std::nullopt;
        return text;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return content.str();
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace dwtool
