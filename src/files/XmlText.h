#pragma once
// Character-level helpers of the XML layer: name comparison, entity escaping and decoding.
#include <string>
#include <string_view>

namespace dw::xmltext {

// ASCII case-insensitive equality (bytes above 127 compare exactly).
bool EqualNoCase(std::string_view a, std::string_view b);

// Appends text with "&", "<", ">", the double quote and the apostrophe replaced by
// "&amp;", "&lt;", "&gt;", "&quot;" and "&apos;".
void AppendEscaped(std::string& out, std::string_view text);

// Replaces the five named entities and numeric character references in raw. Numeric
// references become one byte in single-byte mode (values 1 to 255) or UTF-8 bytes in UTF-8
// mode (1 to 0x10FFFF except surrogates). Returns 0 on success, else the error code
// (14 unknown entity, 15 unrepresentable reference) with errorOffset set to the offset of
// the offending "&" within raw.
int DecodeEntities(std::string_view raw, std::string& out, std::size_t& errorOffset);

// Number of bytes of the character starting at text[0] in the current character mode:
// in UTF-8 mode a lead byte and the continuation bytes that follow it (as many as it
// announces, fewer when the input has fewer), else 1.
std::size_t CharLength(std::string_view text, bool utf8);

// Line and column (from 1) of offset within text, counting characters as CharLength does.
void LineAndColumn(std::string_view text, std::size_t offset, bool utf8, int& line, int& column);

}  // namespace dw::xmltext
