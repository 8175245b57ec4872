// Comment and empty-line removal, checked against examples and against a literal
// step-by-step rendering of the rules on random texts.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "script/StripComments.h"

namespace {

std::string Strip(std::string text) {
    dw::StripComments(text);
    return text;
}

// The rules applied exactly as worded, searching from the start after every change.
std::string ReferenceStrip(std::string text) {
    for (;;) {
        const auto open = text.find("/*");
        if (open == std::string::npos) break;
        const auto close = text.find("*/", open);
        if (close == std::string::npos) break;
        text.erase(open, close + 2 - open);
    }
    for (;;) {
        const auto open = text.find("//");
        if (open == std::string::npos) break;
        const auto end = text.find("\r\n", open);
        if (end == std::string::npos) break;
        text.erase(open, end - open);
    }
    for (;;) {
        const auto at = text.find("\r\n\r\n");
        if (at == std::string::npos) break;
        // One replace-all pass.
        std::string out;
        std::size_t start = 0, pos = at;
        while (pos != std::string::npos) {
            out.append(text, start, pos - start);
            out += "\r\n";
            start = pos + 4;
            pos = text.find("\r\n\r\n", start);
        }
        out.append(text, start, std::string::npos);
        text = out;
    }
    if (text.rfind("\r\n", 0) == 0) text.erase(0, 2);
    return text;
}

TEST(StripComments, RemovesBlockAndLineComments) {
    EXPECT_EQ(Strip("value = 5 /* x */ // y\r\n"), "value = 5  \r\n");
    EXPECT_EQ(Strip("a/* one\r\n two */b\r\n"), "ab\r\n");
    EXPECT_EQ(Strip("/* a */x/* b */y"), "xy");
}

TEST(StripComments, LineCommentWithoutLineEndStays) {
    EXPECT_EQ(Strip("value = 5 // y"), "value = 5 // y");
    EXPECT_EQ(Strip("a // one\r\nb // two"), "a \r\nb // two");
}

TEST(StripComments, UnclosedBlockCommentStays) {
    EXPECT_EQ(Strip("a /* open\r\nb"), "a /* open\r\nb");
    // The closing mark may share the slash of the opening one.
    EXPECT_EQ(Strip("a/*/b"), "ab");
}

TEST(StripComments, EmptyLinesVanishButBlankLinesStay) {
    EXPECT_EQ(Strip("a\r\n\r\n\r\nb\r\n\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(Strip("\r\n\r\na\r\n"), "a\r\n");
    EXPECT_EQ(Strip("   // note\r\nshow\r\n"), "   \r\nshow\r\n");
    EXPECT_EQ(Strip("// only\r\n/* comments */\r\n\r\n"), "");
}

TEST(StripComments, RemovalCanJoinANewCommentMark) {
    // Cutting "/*x*/" joins the '/' before it with the '*' after it into a new opening.
    EXPECT_EQ(Strip("//*x*/*y*/z"), ReferenceStrip("//*x*/*y*/z"));
    EXPECT_EQ(Strip("//*x*/*y*/z"), "z");
}

TEST(StripComments, MatchesTheLiteralRulesOnRandomTexts) {
    std::mt19937 random(12345);
    const char alphabet[] = {'/', '*', '\r', '\n', 'a', ' '};
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i) text += alphabet[random() % sizeof alphabet];
        ASSERT_EQ(Strip(text), ReferenceStrip(text)) << "text: " << testing::PrintToString(text);
    }
}

}  // namespace
