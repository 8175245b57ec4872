// The process-wide character mode and the guess of a file's encoding from its first bytes.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <string_view>

#include "files/XmlNode.h"

namespace dw {
namespace {

std::atomic<CharMode> charMode{CharMode::Utf8};

constexpr std::size_t kGuessBytes = 200;

// Text stored as 16-bit units: a byte-order mark, or NUL bytes in half or more of the
// byte pairs, always on the same side of the pair.
bool LooksLikeUtf16(const unsigned char* bytes, std::size_t count) {
    if ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))
        return true;
    std::size_t evenNuls = 0, oddNuls = 0;
    const std::size_t pairs = count / 2;
    for (std::size_t i = 0; i < pairs; ++i) {
        if (bytes[2 * i] == 0) ++evenNuls;
        if (bytes[2 * i + 1] == 0) ++oddNuls;
    }
    return pairs > 0 && std::max(evenNuls, oddNuls) * 2 >= pairs;
}

// Every byte above 127 must be a lead byte followed by the continuation bytes it announces.
// A sequence cut off by the end of the sample is accepted: the sample may end inside it.
bool SequencesValid(const unsigned char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count;) {
        const unsigned char lead = bytes[i];
        std::size_t following;
        if (lead < 0x80) {
            following = 0;
        } else if (lead >= 0xC0 && lead <= 0xDF) {
            following = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
        } else if (lead >= 0xF0 && lead <= 0xF7) {
            following = 3;
        } else {
            return false;  // a stray continuation byte or no UTF-8 lead byte at all
        }
        ++i;
        for (std::size_t k = 0; k < following && i < count; ++k, ++i) {
            if ((bytes[i] & 0xC0) != 0x80) return false;
        }
    }
    return true;
}

bool StartsNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The encoding named by the declaration: UTF-8 unless a quoted value names another one.
bool DeclaredUtf8(std::string_view text) {
    std::size_t at = text.find("encoding");
    if (at == std::string_view::npos) return true;
    at += std::strlen("encoding");
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at >= text.size() || text[at] != '=') return true;
    ++at;
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at >= text.size() || (text[at] != '"' && text[at] != '\'')) return true;
    ++at;
    while (at < text.size() && IsBlank(text[at])) ++at;
    const std::string_view value = text.substr(at);
    return StartsNoCase(value, "utf-8") || StartsNoCase(value, "utf8");
}

}  // namespace

CharMode GetCharMode() {
    return charMode.load(std::memory_order_relaxed);
}

void SetCharMode(CharMode mode) {
    charMode.store(mode, std::memory_order_relaxed);
}

bool GuessUtf8(const char* buffer, std::size_t count, bool useDeclaration) {
    if (!buffer || count < 25) return false;
    count = std::min(count, kGuessBytes);
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer);
    if (LooksLikeUtf16(bytes, count)) return false;
    if (bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) return true;
    if (!SequencesValid(bytes, count)) return false;
    if (!useDeclaration) return true;
    return DeclaredUtf8(std::string_view(buffer, count));
}

}  // namespace dw
