#include "files/XmlParser.h"

#include <array>
#include <string>

#include "files/XmlNodeData.h"
#include "files/XmlText.h"

namespace dw {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Characters of element and attribute names (and of unquoted attribute values).
constexpr std::array<bool, 256> MakeNameTable() {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = true;
    for (unsigned char c : std::string_view(" \t\r\n<>/?='\"&!")) table[c] = false;
    return table;
}
constexpr std::array<bool, 256> kNameChar = MakeNameTable();

bool IsNameChar(char c) {
    return kNameChar[static_cast<unsigned char>(c)];
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

struct ClearKind {
    std::string_view open;  // as matched in the input
    std::string_view mark;  // the opening mark kept with the section
    std::string_view close;
    bool blanksBeforeBracket;  // "<PRE >" opens the section as "<PRE>" does
};
constexpr ClearKind kClearKinds[] = {
    {"<![CDATA[", "<![CDATA[", "]]>", false},   {"<PRE", "<PRE>", "</PRE>", true},
    {"<Script", "<Script>", "</Script>", true}, {"<!--", "<!--", "-->", false},
    {"<!DOCTYPE", "<!DOCTYPE", ">", false},
};

}  // namespace

XmlParser::XmlParser(std::string_view text) : text_(text) {
    if (text_.substr(0, kBom.size()) == kBom) text_.remove_prefix(kBom.size());
}

void XmlParser::SkipBlanks(std::size_t& at) const {
    while (at < text_.size() && IsBlank(text_[at])) ++at;
}

std::size_t XmlParser::NameEnd(std::size_t at) const {
    while (at < text_.size() && IsNameChar(text_[at])) ++at;
    return at;
}

bool XmlParser::Fail(int error, std::size_t at) {
    if (error_ == kXmlNoError) {
        error_ = error;
        errorAt_ = at;
    }
    return false;
}

XmlNode XmlParser::Parse(const char* requiredTag, XmlResults* results) {
    document_ = XmlNodeAccess::Create(std::string(), false);
    open_.assign(1, XmlNodeAccess::Data(document_));
    std::size_t first = 0;
    SkipBlanks(first);
    if (first == text_.size()) Fail(kXmlNoData, first);
    pos_ = first;
    while (error_ == kXmlNoError && !AtEnd()) {
        if (text_[pos_] != '<') {
            ParseText();
        } else if (!ParseClear() && error_ == kXmlNoError) {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                ParseEndTag();
            } else {
                ParseStartTag();
            }
        }
    }
    XmlNode result = error_ == kXmlNoError ? Finish(requiredTag) : XmlNode();
    if (error_ != kXmlNoError) result = XmlNode();
    if (results) {
        results->error = error_;
        xmltext::LineAndColumn(text_, error_ == kXmlNoError ? text_.size() : errorAt_,
                               GetCharMode() == CharMode::Utf8, results->line, results->column);
    }
    open_.clear();
    document_ = XmlNode();
    return result;
}

bool XmlParser::ParseClear() {
    const std::string_view rest = text_.substr(pos_);
    for (const ClearKind& kind : kClearKinds) {
        if (rest.substr(0, kind.open.size()) != kind.open) continue;
        std::size_t valueStart = pos_ + kind.open.size();
        if (kind.blanksBeforeBracket) {
            SkipBlanks(valueStart);
            if (valueStart >= text_.size() || text_[valueStart] != '>') continue;
            ++valueStart;
        }
        const std::size_t closeAt = text_.find(kind.close, valueStart);
        if (closeAt == std::string_view::npos) return Fail(kXmlUnmatchedClearEnd, pos_);
        XmlNodeAccess::AppendClear(Current(),
                                   {std::string(text_.substr(valueStart, closeAt - valueStart)),
                                    std::string(kind.mark), std::string(kind.close)});
        pos_ = closeAt + kind.close.size();
        sawToken_ = true;
        return true;
    }
    return false;
}

void XmlParser::ParseText() {
    const std::size_t start = pos_;
    const std::size_t end = text_.find('<', pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end;
    const std::string_view raw = text_.substr(start, pos_ - start);
    if (!sawToken_) {
        std::size_t at = start;
        SkipBlanks(at);
        Fail(kXmlFirstNotStartTag, at);
        return;
    }
    std::string decoded;
    std::size_t errorOffset = 0;
    if (const int error = xmltext::DecodeEntities(raw, decoded, errorOffset)) {
        Fail(error, start + errorOffset);
        return;
    }
    const std::string_view trimmed = Trim(decoded);
    if (!trimmed.empty()) XmlNodeAccess::AppendText(Current(), std::string(trimmed));
}

void XmlParser::ParseStartTag() {
    const std::size_t tagStart = pos_;
    std::size_t at = pos_ + 1;
    const bool declaration = at < text_.size() && text_[at] == '?';
    if (declaration) ++at;
    if (at >= text_.size()) {
        Fail(kXmlInvalidTag, tagStart);
        return;
    }
    if (text_[at] == '!') {
        Fail(kXmlInvalidTag, tagStart);  // a markup declaration this parser doesn't know
        return;
    }
    const std::size_t nameEnd = NameEnd(at);
    if (nameEnd == at) {
        Fail(kXmlMissingTagName, at);
        return;
    }
    XmlNode node = XmlNodeAccess::Create(std::string(text_.substr(at, nameEnd - at)), declaration);
    XmlNodeData* data = XmlNodeAccess::Data(node);
    at = nameEnd;
    bool staysOpen = false;
    for (;;) {
        SkipBlanks(at);
        if (at >= text_.size()) {
            Fail(kXmlInvalidTag, tagStart);
            return;
        }
        const char c = text_[at];
        const char next = at + 1 < text_.size() ? text_[at + 1] : '\0';
        if (c == '>') {
            if (declaration) {
                Fail(kXmlInvalidTag, at);
                return;
            }
            staysOpen = true;
            ++at;
            break;
        }
        if (c == '/' || c == '?') {
            if (at + 1 >= text_.size()) {
                Fail(kXmlInvalidTag, tagStart);
                return;
            }
            if (next != '>') {
                Fail(kXmlUnexpectedToken, at);
                return;
            }
            if ((c == '?') != declaration) {
                Fail(kXmlInvalidTag, at);
                return;
            }
            staysOpen = declaration;  // a declaration holds what follows it
            at += 2;
            break;
        }
        if (!IsNameChar(c)) {
            Fail(kXmlUnexpectedToken, at);
            return;
        }
        if (!ParseAttribute(data, at)) return;
    }
    pos_ = at;
    sawToken_ = true;
    if (!declaration && !firstElement_) {
        firstElement_ = data;
        firstElementAt_ = tagStart;
    }
    XmlNodeAccess::Retain(data);  // the parent's reference
    XmlNodeAccess::AppendOwnedChild(Current(), data);
    if (staysOpen) open_.push_back(data);
}

bool XmlParser::ParseAttribute(XmlNodeData* node, std::size_t& at) {
    const std::size_t nameEnd = NameEnd(at);
    std::string name(text_.substr(at, nameEnd - at));
    at = nameEnd;
    std::size_t afterBlanks = at;
    SkipBlanks(afterBlanks);
    if (afterBlanks >= text_.size() || text_[afterBlanks] != '=') {
        node->attributes.push_back({std::move(name), std::nullopt});
        return true;
    }
    at = afterBlanks + 1;
    SkipBlanks(at);
    if (at >= text_.size()) return Fail(kXmlInvalidTag, at);
    std::size_t valueStart = at;
    std::size_t valueEnd;
    const char quote = text_[at];
    if (quote == '"' || quote == '\'') {
        valueStart = at + 1;
        valueEnd = text_.find(quote, valueStart);
        if (valueEnd == std::string_view::npos) return Fail(kXmlUnmatchedQuote, at);
        at = valueEnd + 1;
    } else {
        valueEnd = NameEnd(at);
        if (valueEnd == at) return Fail(kXmlUnexpectedToken, at);
        at = valueEnd;
    }
    std::string value;
    std::size_t errorOffset = 0;
    const std::string_view raw = text_.substr(valueStart, valueEnd - valueStart);
    if (const int error = xmltext::DecodeEntities(raw, value, errorOffset))
        return Fail(error, valueStart + errorOffset);
    node->attributes.push_back({std::move(name), std::move(value)});
    return true;
}

void XmlParser::ParseEndTag() {
    const std::size_t tagStart = pos_;
    if (!sawToken_) {
        Fail(kXmlFirstNotStartTag, tagStart);
        return;
    }
    std::size_t at = pos_ + 2;
    const std::size_t nameEnd = NameEnd(at);
    if (nameEnd == at) {
        Fail(at >= text_.size() ? kXmlInvalidTag : kXmlMissingEndTagName,
             at >= text_.size() ? tagStart : at);
        return;
    }
    const std::string_view name = text_.substr(at, nameEnd - at);
    at = nameEnd;
    SkipBlanks(at);
    if (at >= text_.size()) {
        Fail(kXmlInvalidTag, tagStart);
        return;
    }
    if (text_[at] != '>') {
        Fail(kXmlUnexpectedToken, at);
        return;
    }
    // The nearest open element (declarations close with the element around them).
    std::size_t nearest = open_.size();
    while (nearest > 1 && open_[nearest - 1]->declaration) --nearest;
    if (nearest > 1 && xmltext::EqualNoCase(open_[nearest - 1]->name, name)) {
        open_.resize(nearest - 1);
        pos_ = at + 1;
        return;
    }
    for (std::size_t i = nearest; i-- > 1;) {
        if (!open_[i]->declaration && xmltext::EqualNoCase(open_[i]->name, name)) {
            Fail(kXmlMissingEndTag, tagStart);  // closes an outer element: inner ones unclosed
            return;
        }
    }
    Fail(kXmlUnmatchedEndTag, tagStart);
}

XmlNode XmlParser::Finish(const char* requiredTag) {
    for (std::size_t i = 1; i < open_.size(); ++i) {
        if (!open_[i]->declaration) {
            Fail(kXmlMissingEndTag, text_.size());
            return {};
        }
    }
    if (!firstElement_) {
        Fail(kXmlNoElements, text_.size());
        return {};
    }
    if (requiredTag && *requiredTag) {
        if (!xmltext::EqualNoCase(firstElement_->name, requiredTag)) {
            Fail(kXmlFirstTagNotFound, firstElementAt_);
            return {};
        }
        return XmlNodeAccess::Share(firstElement_);
    }
    const XmlNodeData* document = XmlNodeAccess::Data(document_);
    if (document->content.size() == 1 && document->content[0].kind == XmlContent::Kind::Element)
        return XmlNodeAccess::Share(document->children[0]);
    return document_;
}

XmlNode ParseString(std::string_view text, const char* requiredTag, XmlResults* results) {
    return XmlParser(text).Parse(requiredTag, results);
}

}  // namespace dw
