#include "files/XmlText.h"

#include <algorithm>
#include <cstdint>

#include "files/XmlNode.h"

namespace dw::xmltext {
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Announced length of a UTF-8 sequence from its first byte; 1 for anything else.
std::size_t AnnouncedLength(unsigned char lead) {
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    return 1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int DigitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (!hex) return -1;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct NamedEntity {
    std::string_view text;
    char value;
};
constexpr NamedEntity kNamedEntities[] = {
    {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};

// Decodes the numeric reference at raw[at] ("&#..."); returns the error code, and on
// success the reference's length in length.
int DecodeNumeric(std::string_view raw, std::size_t at, std::string& out, std::size_t& length) {
    std::size_t pos = at + 2;
    const bool hex = pos < raw.size() && (raw[pos] == 'x' || raw[pos] == 'X');
    if (hex) ++pos;
    const std::size_t digitsStart = pos;
    std::uint32_t code = 0;
    bool tooLarge = false;
    for (int digit; pos < raw.size() && (digit = DigitValue(raw[pos], hex)) >= 0; ++pos) {
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        if (code > 0x10FFFF) {
            tooLarge = true;
            code = 0x110000;  // keeps accumulating bounded
        }
    }
    if (pos == digitsStart || pos >= raw.size() || raw[pos] != ';') return kXmlUnknownEntity;
    length = pos + 1 - at;
    const bool utf8 = GetCharMode() == CharMode::Utf8;
    if (tooLarge || code == 0) return kXmlCharConversion;
    if (utf8) {
        if (code >= 0xD800 && code <= 0xDFFF) return kXmlCharConversion;
        AppendUtf8(out, code);
    } else {
        if (code > 0xFF) return kXmlCharConversion;
        out += static_cast<char>(code);
    }
    return kXmlNoError;
}

}  // namespace

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

void AppendEscaped(std::string& out, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t found = text.find_first_of("&<>\"'", pos);
        if (found == std::string_view::npos) {
            out.append(text.substr(pos));
            return;
        }
        out.append(text.substr(pos, found - pos));
        switch (text[found]) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += "&apos;";
                break;
        }
        pos = found + 1;
    }
}

int DecodeEntities(std::string_view raw, std::string& out, std::size_t& errorOffset) {
    out.clear();
    out.reserve(raw.size());
    std::size_t pos = 0;
    while (pos < raw.size()) {
        const std::size_t amp = raw.find('&', pos);
        if (amp == std::string_view::npos) {
            out.append(raw.substr(pos));
            break;
        }
        out.append(raw.substr(pos, amp - pos));
        std::size_t length = 0;
        int error = kXmlUnknownEntity;
        if (amp + 1 < raw.size() && raw[amp + 1] == '#') {
            error = DecodeNumeric(raw, amp, out, length);
        } else {
            for (const NamedEntity& entity : kNamedEntities) {
                if (raw.substr(amp, entity.text.size()) == entity.text) {
                    out += entity.value;
                    length = entity.text.size();
                    error = kXmlNoError;
                    break;
                }
            }
        }
        if (error != kXmlNoError) {
            errorOffset = amp;
            return error;
        }
        pos = amp + length;
    }
    return kXmlNoError;
}

std::size_t CharLength(std::string_view text, bool utf8) {
    if (text.empty()) return 0;
    if (!utf8) return 1;
    const std::size_t announced = AnnouncedLength(static_cast<unsigned char>(text[0]));
    std::size_t length = 1;
    while (length < announced && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

void LineAndColumn(std::string_view text, std::size_t offset, bool utf8, int& line, int& column) {
    if (offset > text.size()) offset = text.size();
    const std::string_view before = text.substr(0, offset);
    line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lastFeed = before.rfind('\n');
    std::size_t pos = lastFeed == std::string_view::npos ? 0 : lastFeed + 1;
    column = 1;
    while (pos < offset) {
        pos += CharLength(before.substr(pos), utf8);
        ++column;
    }
}

}  // namespace dw::xmltext
