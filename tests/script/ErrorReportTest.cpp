// The editor's report of script errors.
#include <gtest/gtest.h>

#include "script/ErrorReport.h"

namespace {

const std::string kRule = "---------------------------------------------------------";

TEST(ErrorReport, MarksTheFailingLine) {
    EXPECT_EQ(dw::MarkScriptLine("value = 1\r\nround 5\r\nshow\r\n", 2),
              "   value = 1\n-->round 5\n   show\n   ");
    EXPECT_EQ(dw::MarkScriptLine("a\r\nb", 0), "-->a\n   b");
    EXPECT_EQ(dw::MarkScriptLine("a\r\nb", 1), "-->a\n   b");
    // A line beyond the text marks nothing.
    EXPECT_EQ(dw::MarkScriptLine("a\r\nb", 7), "   a\n   b");
}

TEST(ErrorReport, SyntaxErrorMessage) {
    const auto report = dw::BuildScriptErrorReport(1, 2, "value = 1\r\nround 5\r\n", "");
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->title, "Sintax error");
    EXPECT_TRUE(report->askToEdit);
    EXPECT_FALSE(report->clickProgram);
    EXPECT_EQ(report->text, "Sintax error at line 2 on the script:\r\n\r\n" + kRule +
                                "\r\n   value = 1\n-->round 5\n   \r\n" + kRule +
                                "\r\nDo you want edit?");
}

TEST(ErrorReport, CommentsHiddenAndClickProgram) {
    const auto report =
        dw::BuildScriptErrorReport(-2, 1, "show\r\n", "// click\r\nif value > 1\r\n");
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->clickProgram);
    EXPECT_EQ(report->text,
              "If/Else/Endif not match, error at line 1 (comments line hidden) on the script:"
              "\r\n\r\n" +
                  kRule + "\r\n-->if value > 1\n   \r\n" + kRule + "\r\nDo you want edit?");
}

TEST(ErrorReport, UnhandledExceptionMessage) {
    const auto report = dw::BuildScriptErrorReport(8001, 0, "show", "");
    ASSERT_TRUE(report.has_value());
    EXPECT_FALSE(report->askToEdit);
    EXPECT_EQ(report->title, "Sintax error");
    EXPECT_EQ(report->text, "Unhandled exception occurs while running.\r\n\r\n" + kRule +
                                "\r\n-->show\r\n" + kRule +
                                "\r\nPlease check it carefully.\r\nDo you want edit?");
}

TEST(ErrorReport, NothingForOtherCodes) {
    for (int code : {0, 3, 7999, 9000, 9001, 9002, -9001, -2147483647 - 1})
        EXPECT_FALSE(dw::BuildScriptErrorReport(code, 1, "a", "b").has_value()) << code;
}

}  // namespace
