#pragma once
// The XML tokeniser and tree builder behind ParseString. Iterative: open elements are kept on
// an explicit stack, at most kMaxXmlDepth deep. The document is built straight into a store
// (XmlNodeData.h): each node gets its content run when it closes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/XmlNode.h"
#include "files/XmlNodeData.h"

namespace dw {

class XmlParser {
public:
    explicit XmlParser(std::string_view text);
    ~XmlParser();
    XmlParser(const XmlParser&) = delete;
    XmlParser& operator=(const XmlParser&) = delete;
    XmlNode Parse(const char* requiredTag, XmlResults* results);

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    void SkipBlanks(std::size_t& at) const;
    std::size_t NameEnd(std::size_t at) const;
    bool Fail(int error, std::size_t at);

    bool ParseClear();  // false when the '<' at pos_ opens no clear section
    void ParseText();
    void ParseStartTag();
    void ParseEndTag();
    // Reads one attribute starting at a name character into attributes_; false after an
    // error.
    bool ParseAttribute(std::size_t& at);
    XmlNode Finish(const char* requiredTag);

    // An open element (or declaration, or the document): its node and where its content
    // entries start on pending_.
    struct Open {
        std::uint32_t node;
        std::size_t firstEntry;
    };
    void AddEntry(std::uint32_t entry) { pending_.push_back(entry); }
    // Gives the innermost open node its content run and drops it from the open ones.
    void Close();

    std::string_view text_;
    std::size_t pos_ = 0;
    int error_ = kXmlNoError;
    std::size_t errorAt_ = 0;
    bool sawToken_ = false;
    XmlStore* store_;                     // one reference, held while parsing
    std::uint32_t document_ = 0;          // nameless holder of the top-level entries
    std::vector<Open> open_;              // document, then every open element and declaration
    std::vector<std::uint32_t> pending_;  // content entries of the open nodes, innermost last
    std::vector<XmlAttrRec> attributes_;  // of the start tag being read
    std::string decoded_;
    bool haveFirstElement_ = false;
    std::uint32_t firstElement_ = 0;
    std::size_t firstElementAt_ = 0;
};

}  // namespace dw
