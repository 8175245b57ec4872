#include "script/ErrorReport.h"

#include <cstdio>

#include "script/StripComments.h"

namespace dw {

namespace {

constexpr const char* kRule = "---------------------------------------------------------";

std::string FormatLineMessage(const char* head, int line, bool commentsHidden,
                              const std::string& marked) {
    std::string text = head;
    text += " at line ";
    text += std::to_string(line);
    text += ' ';
    if (commentsHidden) text += "(comments line hidden) ";
    text += "on the script:\r\n\r\n";
    text += kRule;
    text += "\r\n";
    text += marked;
    text += "\r\n";
    text += kRule;
    text += "\r\nDo you want edit?";
    return text;
}

}  // namespace

std::string MarkScriptLine(const std::string& source, int line, bool* commentsHidden) {
    std::string stripped = source;
    StripComments(stripped);
    if (commentsHidden) *commentsHidden = stripped != source;

    std::string text = "   ";
    text.reserve(stripped.size() + stripped.size() / 4 + 8);
    for (std::size_t i = 0; i < stripped.size(); ++i) {
        if (stripped[i] == '\r' && i + 1 < stripped.size() && stripped[i + 1] == '\n') continue;
        text += stripped[i];
        if (stripped[i] == '\n') text += "   ";
    }

    const int target = line <= 1 ? 1 : line;
    std::size_t start = 0;
    for (int current = 1; current < target; ++current) {
        start = text.find('\n', start);
        if (start == std::string::npos) return text;  // no such line: nothing to mark
        ++start;
    }
    text.replace(start, 3, "-->");
    return text;
}

std::optional<ScriptErrorReport> BuildScriptErrorReport(int code, int line,
                                                        const std::string& mainProgram,
                                                        const std::string& clickProgram) {
    if (code == 0) return std::nullopt;
    ScriptErrorReport report;
    report.clickProgram = code < 0;
    // The most negative code has no positive counterpart and names nothing a run writes.
    if (code == -2147483647 - 1) return std::nullopt;
    const int positive = code < 0 ? -code : code;
    if (positive != 1 && positive != 2 && (positive < 8000 || positive > 8999)) return std::nullopt;

    const std::string& source = report.clickProgram ? clickProgram : mainProgram;
    bool commentsHidden = false;
    const std::string marked = MarkScriptLine(source, line, &commentsHidden);
    report.title = "Sintax error";
    if (positive == 1) {
        report.text = FormatLineMessage("Sintax error", line, commentsHidden, marked);
        report.askToEdit = true;
    } else if (positive == 2) {
        report.text =
            FormatLineMessage("If/Else/Endif not match, error", line, commentsHidden, marked);
        report.askToEdit = true;
    } else {
        report.text = "Unhandled exception occurs while running.\r\n\r\n";
        report.text += kRule;
        report.text += "\r\n";
        report.text += marked;
        report.text += "\r\n";
        report.text += kRule;
        report.text += "\r\nPlease check it carefully.\r\nDo you want edit?";
        report.askToEdit = false;
    }
    return report;
}

}  // namespace dw
