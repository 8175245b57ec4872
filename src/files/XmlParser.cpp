#include "files/XmlParser.h"

#include <algorithm>
#include <array>
#include <new>
#include <string>

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

XmlParser::XmlParser(std::string_view text) : text_(text), store_(new XmlStore) {
    if (text_.substr(0, kBom.size()) == kBom) text_.remove_prefix(kBom.size());
    store_->StartNameIndex();
}

XmlParser::~XmlParser() {
    XmlStore::Release(store_);
}

void XmlParser::Close() {
    const Open open = open_.back();
    open_.pop_back();
    XmlNodeRec& rec = store_->Node(open.node);
    const std::uint32_t* entries = pending_.data() + open.firstEntry;
    const auto count = static_cast<std::uint32_t>(pending_.size() - open.firstEntry);
    std::uint32_t sorts[4] = {0, 0, 0, 0};  // elements, (unused), texts, clears
    for (std::uint32_t i = 0; i < count; ++i) {
        const XmlEntry sort = EntrySort(entries[i]);
        ++sorts[sort == XmlEntry::Foreign ? 0 : static_cast<int>(sort)];
    }
    const bool mixed = sorts[0] != count && sorts[2] != count && sorts[3] != count;
    rec.contentCount = count;
    rec.childCount = sorts[0];
    rec.textCount = sorts[2];
    if (count > 0) {
        // The ordered run; a node mixing sorts is followed by one run per sort.
        rec.block = store_->AllocateEntries(mixed ? 2 * count : count);
        std::uint32_t* block = store_->Entries(rec.block);
        std::copy(entries, entries + count, block);
        if (mixed) {
            std::uint32_t* out = block + count;
            for (XmlEntry sort : {XmlEntry::Element, XmlEntry::Text, XmlEntry::Clear})
                for (std::uint32_t i = 0; i < count; ++i)
                    if (EntrySort(entries[i]) == sort) *out++ = entries[i];
        }
    }
    pending_.resize(open.firstEntry);
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
    document_ = store_->NewNode("", false, false);
    open_.assign(1, {document_, 0});
    // Every element and clear section starts with a '<': room for the entries of a flat
    // document without growing (and copying) the list on the way.
    pending_.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '<')) + 1);
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
        AddEntry(MakeEntry(XmlEntry::Clear,
                           store_->AddClear(text_.substr(valueStart, closeAt - valueStart),
                                            kind.mark, kind.close)));
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
    decoded_.clear();
    std::size_t errorOffset = 0;
    if (const int error = xmltext::DecodeEntities(raw, decoded_, errorOffset)) {
        Fail(error, start + errorOffset);
        return;
    }
    const std::string_view trimmed = Trim(decoded_);
    if (!trimmed.empty()) AddEntry(MakeEntry(XmlEntry::Text, store_->AddText(trimmed)));
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
    const std::string_view name = text_.substr(at, nameEnd - at);
    attributes_.clear();
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
        if (!ParseAttribute(at)) return;
    }
    pos_ = at;
    sawToken_ = true;
    if (open_.size() > static_cast<std::size_t>(kMaxXmlDepth)) {
        Fail(kXmlTooDeep, tagStart);
        return;
    }
    const std::uint32_t node = store_->NewNode(name, declaration, false);
    if (!attributes_.empty()) {
        XmlNodeRec& rec = store_->Node(node);
        rec.attrCount = static_cast<std::uint32_t>(attributes_.size());
        rec.attrs = store_->AllocateAttrs(rec.attrCount);
        std::copy(attributes_.begin(), attributes_.end(), store_->Attrs(rec.attrs));
    }
    if (!declaration && !haveFirstElement_) {
        haveFirstElement_ = true;
        firstElement_ = node;
        firstElementAt_ = tagStart;
    }
    AddEntry(MakeEntry(XmlEntry::Element, node));
    if (staysOpen) open_.push_back({node, pending_.size()});
}

bool XmlParser::ParseAttribute(std::size_t& at) {
    const std::size_t nameEnd = NameEnd(at);
    XmlAttrRec attribute;
    attribute.name = store_->AddName(text_.substr(at, nameEnd - at));
    at = nameEnd;
    std::size_t afterBlanks = at;
    SkipBlanks(afterBlanks);
    if (afterBlanks >= text_.size() || text_[afterBlanks] != '=') {
        attributes_.push_back(attribute);
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
    std::size_t errorOffset = 0;
    const std::string_view raw = text_.substr(valueStart, valueEnd - valueStart);
    XmlStr value;
    if (raw.find('&') == std::string_view::npos) {
        value = store_->AddChars(raw);
    } else {
        decoded_.clear();
        if (const int error = xmltext::DecodeEntities(raw, decoded_, errorOffset))
            return Fail(error, valueStart + errorOffset);
        value = store_->AddChars(decoded_);
    }
    attribute.valueAt = value.at;
    attribute.valueSize = value.size;
    attributes_.push_back(attribute);
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
    auto isDeclaration = [this](std::size_t i) {
        return (store_->Node(open_[i].node).flags & XmlNodeRec::kDeclaration) != 0;
    };
    auto nameOf = [this](std::size_t i) { return store_->Name(store_->Node(open_[i].node).name); };
    std::size_t nearest = open_.size();
    while (nearest > 1 && isDeclaration(nearest - 1)) --nearest;
    if (nearest > 1 && xmltext::EqualNoCase(nameOf(nearest - 1), name)) {
        while (open_.size() >= nearest) Close();
        pos_ = at + 1;
        return;
    }
    for (std::size_t i = nearest; i-- > 1;) {
        if (!isDeclaration(i) && xmltext::EqualNoCase(nameOf(i), name)) {
            Fail(kXmlMissingEndTag, tagStart);  // closes an outer element: inner ones unclosed
            return;
        }
    }
    Fail(kXmlUnmatchedEndTag, tagStart);
}

XmlNode XmlParser::Finish(const char* requiredTag) {
    for (std::size_t i = 1; i < open_.size(); ++i) {
        if (!(store_->Node(open_[i].node).flags & XmlNodeRec::kDeclaration)) {
            Fail(kXmlMissingEndTag, text_.size());
            return {};
        }
    }
    if (!haveFirstElement_) {
        Fail(kXmlNoElements, text_.size());
        return {};
    }
    while (!open_.empty()) Close();  // declarations left open, then the document
    store_->FinishNames();
    if (requiredTag && *requiredTag) {
        const XmlNodeView first({store_, firstElement_});
        if (!xmltext::EqualNoCase(first.Name(), requiredTag)) {
            Fail(kXmlFirstTagNotFound, firstElementAt_);
            return {};
        }
        return XmlNodeAccess::Share({store_, firstElement_});
    }
    const XmlNodeView document({store_, document_});
    if (document.ContentCount() == 1 && document.ChildCount() == 1)
        return XmlNodeAccess::Share(document.Child(0));
    return XmlNodeAccess::Share({store_, document_});
}

XmlNode ParseString(std::string_view text, const char* requiredTag, XmlResults* results) {
    try {
        return XmlParser(text).Parse(requiredTag, results);
    } catch (const std::bad_alloc&) {
        if (results) *results = {kXmlOutOfMemory, 0, 0};
        return {};
    }
}

}  // namespace dw
