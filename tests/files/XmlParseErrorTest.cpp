// Every parse error: its code, and the line and column where parsing stopped.
#include <gtest/gtest.h>

#include <string>

#include "XmlCharModeGuard.h"
#include "files/XmlNode.h"

namespace {

struct ErrorCase {
    const char* label;
    std::string input;
    const char* requiredTag;
    int error;
    int line;
    int column;
    dw::CharMode mode = dw::CharMode::Utf8;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.label;
}

class XmlParseError : public testing::TestWithParam<ErrorCase> {};

TEST_P(XmlParseError, ReportsCodeAndPosition) {
    const ErrorCase& c = GetParam();
    dwtest::CharModeGuard mode(c.mode);
    dw::XmlResults results;
    const dw::XmlNode node = dw::ParseString(c.input, c.requiredTag, &results);
    EXPECT_TRUE(node.IsEmpty());
    EXPECT_EQ(std::make_tuple(results.error, results.line, results.column),
              std::make_tuple(c.error, c.line, c.column))
        << dw::ErrorText(results.error);
}

// clang-format off
const ErrorCase kErrorCases[] = {
    {"open elements at the end", "<a>\n<b>\n", nullptr, 1, 3, 1},
    {"blank input", " \r\n\t ", nullptr, 2, 2, 3},
    {"text first", "  hello <a/>", nullptr, 3, 1, 3},
    {"blank after <", "<a>\n< b/></a>", nullptr, 4, 2, 2},
    {"empty end tag", "<a></>", nullptr, 5, 1, 6},
    {"single quote not closed", "<a\n  b='x/>", nullptr, 6, 2, 5},
    {"end tag of no open element", "<a></b>", nullptr, 7, 1, 4},
    {"CDATA not closed", "<a><![CDATA[ x < y", nullptr, 8, 1, 4},
    {"equals without value", "<a b=>", nullptr, 9, 1, 6},
    {"tag cut off", "<a>\n  <b", nullptr, 10, 2, 3},
    {"only a comment", "<!-- only -->", nullptr, 11, 1, 14},
    {"other root", "<?xml version=\"1.0\"?>\n<other/>", "gauge", 13, 2, 1},
    {"unknown named entity", "<a>\n x &foo; y</a>", nullptr, 14, 2, 4},
    {"reference far beyond Unicode", "<a>&#99999999999999999999;</a>", nullptr, 15, 1, 4},
    {"reference to a surrogate", "<a b=\"&#xD800;\"/>", nullptr, 15, 1, 7},
    {"single-byte reference above 255", "<a>&#256;</a>", nullptr, 15, 1, 4, dw::CharMode::SingleByte},
    // Columns count characters of the mode: two bytes are one character in UTF-8.
    {"column after a UTF-8 character", "<a>\xC3\xA9&x;</a>", nullptr, 14, 1, 5},
    {"column after two Latin-1 characters", "<a>\xC3\xA9&x;</a>", nullptr, 14, 1, 6, dw::CharMode::SingleByte},
    {"byte order mark not counted", "\xEF\xBB\xBF<a></b>", nullptr, 7, 1, 4},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Codes, XmlParseError, testing::ValuesIn(kErrorCases));

std::string Nested(int depth, const std::string& inner = "") {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<a>";
    text += inner;
    for (int i = 0; i < depth; ++i) text += "</a>";
    return text;
}

TEST(XmlDepth, NestingBeyondTheBoundIsRefusedWhereItStarts) {
    const int bound = dw::kMaxXmlDepth;
    dw::XmlResults results;
    EXPECT_FALSE(dw::ParseString(Nested(bound), nullptr, &results).IsEmpty());
    EXPECT_FALSE(dw::ParseString(Nested(bound - 1, "<b/>"), nullptr, &results).IsEmpty());
    // One level more, open or empty: refused at the first tag past the bound (a million
    // levels are refused the same way through dwtool's "xml" verb).
    for (const std::string& text : {Nested(bound + 1), Nested(bound, "<b/>")}) {
        EXPECT_TRUE(dw::ParseString(text, nullptr, &results).IsEmpty());
        EXPECT_EQ(std::make_tuple(results.error, results.line, results.column),
                  std::make_tuple(22, 1, 3 * bound + 1));
    }
}

TEST(XmlErrorText, FixedMessages) {
    // The file messages show codes 1, 12 and 13.
    EXPECT_STREQ(dw::ErrorText(22), "Error: Elements nested too deeply");
    EXPECT_STREQ(dw::ErrorText(24), "Unknown");
    EXPECT_STREQ(dw::ErrorText(-1), "Unknown");
}

}  // namespace
