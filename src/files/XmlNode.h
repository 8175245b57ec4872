#pragma once
// The XML document layer: a small in-memory document model over 8-bit text, with a parser
// and a writer. Every gauge file, clipboard fragment, undo snapshot and imported MS-FS gauge
// passes through it.
//
// A document read from text keeps the order of everything it held: attributes in order,
// and the content of each element (child elements, texts and clear sections) in order, so
// that the formatted writer reproduces the input order. A declaration ("<?xml ...?>") owns
// the content that follows it up to the end of its parent, so a gauge file reads as the
// declaration "xml" whose child is the root element "gauge".
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Interaction.h"

namespace dw {

// Outcome of a parse: the error code (see ErrorText) and the line and column (counted
// from 1) where parsing stopped. Codes 12 (file not found) report line and column 0.
struct XmlResults {
    int error = 0;
    int line = 0;
    int column = 0;
};

// Error codes reported by the parser and the writer.
enum XmlError : int {
    kXmlNoError = 0,
    kXmlMissingEndTag = 1,        // "Warning: Unmatched end tag": an element left open
    kXmlNoData = 2,               // empty or blank input
    kXmlFirstNotStartTag = 3,     // the input starts with text or an end tag
    kXmlMissingTagName = 4,       // "<" or "<?" not followed by a name
    kXmlMissingEndTagName = 5,    // "</" not followed by a name
    kXmlUnmatchedQuote = 6,       // a quoted attribute value runs to the end of the input
    kXmlUnmatchedEndTag = 7,      // an end tag that closes no open element
    kXmlUnmatchedClearEnd = 8,    // a clear section without its closing mark
    kXmlUnexpectedToken = 9,      // a character that has no place inside a tag
    kXmlInvalidTag = 10,          // a tag cut off by the end of input or closed wrongly
    kXmlNoElements = 11,          // no element at all
    kXmlFileNotFound = 12,        // the file can't be opened or read
    kXmlFirstTagNotFound = 13,    // the first element is not the required one
    kXmlUnknownEntity = 14,       // "&" that starts no known entity or reference
    kXmlCharConversion = 15,      // a character reference the character mode can't hold
    kXmlCannotOpenForWrite = 16,  // WriteToFile: the file can't be created
    kXmlCannotWrite = 17,         // WriteToFile: writing or closing failed
    kXmlTooDeep = 22,             // elements nested deeper than kMaxXmlDepth
    kXmlOutOfMemory = 23,         // the document does not fit in memory
};

// Deepest nesting of elements (declarations included) that the parser accepts.
inline constexpr int kMaxXmlDepth = 256;
// Deepest level that the formatted writer indents; deeper lines get this many tabs, so that
// the output grows with the size of a document, not with the square of its depth.
inline constexpr int kMaxXmlIndent = 32;

// A clear section: content kept verbatim between an opening and a closing mark.
struct XmlClear {
    std::string value, openMark, closeMark;
    bool IsEmpty() const { return value.empty() && openMark.empty() && closeMark.empty(); }
};

struct XmlAttribute {
    std::string name;
    std::optional<std::string> value;  // absent for an attribute written as its name alone
};

// One entry of a node's ordered content: which sort it is and its index among the node's
// entries of that sort (ChildAt, GetText, GetClear).
struct XmlContent {
    enum class Kind { Element, Text, Clear };
    Kind kind = Kind::Element;
    int index = 0;
};

// How the parser counts characters for line and column: UTF-8 (a lead byte and its
// continuation bytes are one character) or single-byte. Process-wide, starts as Utf8;
// OpenFileHelper sets it from GuessUtf8 for each file it opens. WriteToFile reads it.
enum class CharMode { Utf8, SingleByte };
CharMode GetCharMode();
void SetCharMode(CharMode mode);

class XmlStore;

// A handle to a node with shared ownership: copying a handle shares the node, and the node
// is freed when no handle to it, to a node of the same document or to a document sharing it
// is left (nodes live in per-document stores, see XmlNodeData.h).
// An empty handle stands for no node; every operation on it is harmless (lookups return
// empty results, additions do nothing). Names are compared ignoring (ASCII) case.
class XmlNode {
public:
    XmlNode() = default;
    XmlNode(const XmlNode& other);
    XmlNode(XmlNode&& other) noexcept;
    XmlNode& operator=(const XmlNode& other);
    XmlNode& operator=(XmlNode&& other) noexcept;
    ~XmlNode();

    bool IsEmpty() const { return store_ == nullptr; }
    bool IsDeclaration() const;
    std::string Name() const;  // "" for an empty handle
    // True when both handles refer to the same node (or both are empty).
    bool SameNode(const XmlNode& other) const {
        return store_ == other.store_ && index_ == other.index_;
    }

    // Appends a new child element at the end of the content and returns it. Additions throw
    // std::bad_alloc when memory (or a document's 2^30 entries of a sort) runs out.
    XmlNode AddChild(const std::string& name, bool isDeclaration = false);
    // Appends that node (shared, not copied) as the last child. Refused (nothing happens)
    // when it would make a node its own descendant, or when either handle is empty. A node
    // whose document already holds this node's document is copied instead, so that no two
    // documents keep each other alive.
    void AppendChild(const XmlNode& child);
    // Deep copy of this node and everything below it.
    XmlNode Clone() const;
    // Appends an attribute; duplicates are not checked.
    void AddAttribute(const std::string& name, std::optional<std::string> value);
    void AddClear(const std::string& value, const std::string& openMark = "<![CDATA[",
                  const std::string& closeMark = "]]>");
    void AddText(const std::string& text);

    // Value of the first attribute of that name (ignoring case); nothing when absent.
    std::optional<std::string> GetAttribute(const std::string& name) const;
    // Same, with "" for an absent attribute or value.
    std::string Attribute(const std::string& name) const;
    int AttributeCount() const;
    std::vector<XmlAttribute> Attributes() const;  // a copy, in order

    // Number of child elements of that name (ignoring case).
    int ChildCount(const std::string& name) const;
    int ChildCount() const;  // all child elements
    // The first child element of that name at or after *index (counted among all child
    // elements; 0 when index is null). When found and index is given, *index becomes the
    // position after it. Empty handle when there is none.
    XmlNode GetChildNode(const std::string& name, int* index = nullptr) const;
    XmlNode ChildAt(int position) const;  // among all child elements; empty when out of range

    int ClearCount() const;
    XmlClear GetClear(int position) const;  // an empty one when out of range
    int TextCount() const;
    std::string GetText(int position) const;  // "" when out of range

    // The ordered content: child elements, texts and clear sections as they were added.
    int ContentCount() const;
    XmlContent ContentAt(int position) const;

private:
    friend class XmlNodeAccess;
    XmlNode(XmlStore* adopted, std::uint32_t index) : store_(adopted), index_(index) {}
    XmlStore* store_ = nullptr;
    std::uint32_t index_ = 0;
};

// A new parentless node.
XmlNode CreateTopNode(const std::string& name, bool isDeclaration);

// True when the two nodes would be written alike: the same names (letter case included),
// declaration flags, attributes in order and content in order, all the way down.
bool SameContent(const XmlNode& a, const XmlNode& b);

// Serialises the node and everything below it. Formatted: one element per line, indented by
// one tab per level up to kMaxXmlIndent, lines ended by "\n", as in gauge files. Throws
// std::bad_alloc when the text does not fit in memory. A node with an empty name (what the parser
// returns for input with several top-level entries) writes only its content.
std::string CreateString(const XmlNode& node, bool formatted);

// Writes the node to a file. A declaration node is preceded by EF BB BF while the character
// mode is UTF-8; any other node gets a declaration line of its own (utf-8 with EF BB BF when
// encoding is null or the mode is UTF-8, else the given encoding). Returns 0, 16 or 17.
int WriteToFile(const XmlNode& node, const std::string& path, const char* encoding, bool formatted);

// Parses text (a leading EF BB BF is skipped). requiredTag, when not null and not empty, must
// name the first element (a declaration may come before it) and that element is returned;
// otherwise the top node is returned: the only top-level entry when there is one, else a
// node with an empty name holding all top-level entries. On any error code (warnings
// included) the result is an empty handle; elements nested deeper than kMaxXmlDepth give
// code 22, a document that does not fit in memory code 23. results may be null.
XmlNode ParseString(std::string_view text, const char* requiredTag, XmlResults* results);
// Reads the whole file and parses it; a file that can't be read gives code 12.
XmlNode ParseFile(const std::string& path, const char* requiredTag, XmlResults* results);
// Sets the character mode from the file's first 200 bytes, parses it and reports any error
// to the user in a message box titled "XML Parsing error". Empty handle on error.
XmlNode OpenFileHelper(const std::string& path, const char* requiredTag, IInteraction& ui);

// Guesses from the first bytes of a file (at most 200 are looked at) whether it is UTF-8.
bool GuessUtf8(const char* bytes, std::size_t count, bool useDeclaration);

// The fixed message of an error code ("Unknown" for codes outside the table).
const char* ErrorText(int code);

}  // namespace dw
