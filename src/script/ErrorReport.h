#pragma once
// The editor's report of a script error recorded by a run ("RunTime" codes below 9000).
#include <optional>
#include <string>

namespace dw {

struct ScriptErrorReport {
    std::string title;  // "Sintax error"
    std::string text;
    bool askToEdit = false;     // Yes/No question (codes 1, 2); otherwise OK only
    bool clickProgram = false;  // the report is about the click program (negative code)
};

// The source with comments removed and every line indented by three blanks, the line
// `line` (counted from 1; 0 and 1 both mean the first line) marked with "-->" instead of its
// indent. `commentsHidden` (optional) tells whether comment removal changed the text.
std::string MarkScriptLine(const std::string& source, int line, bool* commentsHidden = nullptr);

// The report for "LastError" `code` and "LastLine" `line` of an element with these programs:
// codes 1 and 2 (and their negative click-program forms) and 8000 to 8999. Nothing for 0,
// for the server link codes (9000 and above) and for codes that no run writes.
std::optional<ScriptErrorReport> BuildScriptErrorReport(int code, int line,
                                                        const std::string& mainProgram,
                                                        const std::string& clickProgram);

}  // namespace dw
