#pragma once
// The XML tokeniser and tree builder behind ParseString. Iterative: open elements are kept on
// an explicit stack, so nesting depth is limited only by the input's size.
#include <cstddef>
#include <string_view>
#include <vector>

#include "files/XmlNode.h"

namespace dw {

struct XmlNodeData;

class XmlParser {
public:
    explicit XmlParser(std::string_view text);
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
    // Reads one attribute starting at a name character; false after an error.
    bool ParseAttribute(XmlNodeData* node, std::size_t& at);
    XmlNode Finish(const char* requiredTag);

    XmlNodeData* Current() const { return open_.back(); }

    std::string_view text_;
    std::size_t pos_ = 0;
    int error_ = kXmlNoError;
    std::size_t errorAt_ = 0;
    bool sawToken_ = false;
    XmlNode document_;                // nameless holder of the top-level entries
    std::vector<XmlNodeData*> open_;  // document, then every open element and declaration
    XmlNodeData* firstElement_ = nullptr;
    std::size_t firstElementAt_ = 0;
};

}  // namespace dw
