#include "runtime/ScriptCheck.h"

#include <optional>
#include <set>

#include "script/DecodedProgram.h"
#include "script/ErrorReport.h"
#include "script/LineScanner.h"
#include "script/ScriptCompiler.h"
#include "script/StripComments.h"

namespace dw {

namespace {

constexpr const char* kLinkOff = "0.0.0.0";

bool IsBlankText(std::string_view text) {
    for (char c : text)
        if (!IsScanBlank(c)) return false;
    return true;
}

// A program with nothing to run: empty, only comments and line ends, or the text a new
// element starts with.
bool IsEmptyProgram(const std::string& source) {
    std::string stripped = source;
    StripComments(stripped);
    if (IsBlankText(stripped)) return true;
    std::string_view word = stripped;
    while (!word.empty() && IsScanBlank(word.back())) word.remove_suffix(1);
    while (!word.empty() && IsScanBlank(word.front())) word.remove_prefix(1);
    return word == "None" || word == "none";
}

// The lines of the source after comment removal, without their CR, counted from 1.
std::vector<std::string> StrippedLines(const std::string& source) {
    std::string text = source;
    StripComments(text);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

bool StartsWithNumber(std::string_view word) {
    if (!word.empty() && (word[0] == '+' || word[0] == '-')) word.remove_prefix(1);
    return !word.empty() && word[0] >= '0' && word[0] <= '9';
}

class ProgramCheck {
public:
    ProgramCheck(const CElement& element, bool click, const GaugeLink& link1,
                 const GaugeLink& link2, ScriptCheckResult& out)
        : element_(element),
          click_(click),
          source_(click ? element.clickProgram : element.mainProgram),
          link1_(link1),
          link2_(link2),
          out_(out) {}

    void Run() {
        if (IsEmptyProgram(source_)) return;
        if (!click_) primary_ = ParseLinkText(source_);
        if (!click_ && !primary_)
            Add(0,
                "the main script has no \"link offset N server M\", so the player never runs it");
        CheckAliases();
        compiled_ = CompileSource(source_, !click_ && element_.borderColorOnly);
        const DecodedProgram program =
            DecodeProgram(compiled_, VariantFor(element_.GetKind(), click_));
        lines_ = ProgramLines(compiled_);
        CheckStatements(program);
        CheckUnreachedLines();
    }

private:
    void Add(int line, std::string message) {
        ScriptFinding finding;
        finding.message = (click_ ? "click script: " : "") + std::move(message);
        if (line > 0) finding.details.push_back(MarkedLine(line));
        out_.findings.push_back(std::move(finding));
    }

    void AddAt(int line, const std::string& message) {
        Add(line, "line " + std::to_string(line) + ": " + message);
    }

    // The editor's first line of the report of a run stopped at line with code 1 or 2.
    void AddEditorReport(int code, int line) {
        if (!reported_.insert(line).second) return;
        const std::optional<ScriptErrorReport> report = BuildScriptErrorReport(
            click_ ? -code : code, line, element_.mainProgram, element_.clickProgram);
        std::string text = report ? report->text : std::string();
        text.resize(std::min(text.size(), text.find("\r\n")));
        Add(line, text);
    }

    std::string MarkedLine(int line) const {
        const std::string marked = MarkScriptLine(source_, line);
        const std::size_t at = marked.find("-->");
        if (at == std::string::npos) return std::string();
        return marked.substr(at, marked.find('\n', at) - at);
    }

    void CheckAliases() {
        const std::vector<std::string> lines = StrippedLines(source_);
        for (std::size_t n = 0; n < lines.size(); ++n) {
            LineScanner scan(lines[n]);
            std::string_view previous, word;
            while (scan.Word(word)) {
                if ((previous == "offset" || previous == "server") && !StartsWithNumber(word)) {
                    const bool offset = previous == "offset";
                    const int line = static_cast<int>(n) + 1;
                    reported_.insert(line);
                    AddAt(line, std::string(offset ? "alias name \"" : "server link alias \"") +
                                    std::string(word) + "\" left unconverted (\"" +
                                    std::string(previous) + " " + std::string(word) +
                                    "\"): the player stops there with a syntax error");
                }
                previous = word;
            }
        }
    }

    void CheckStatements(const DecodedProgram& program) {
        int open = 0;
        bool firstLink = true;
        for (std::size_t i = 0; i < program.lines.size(); ++i) {
            const Statement& s = program.lines[i];
            const int line = static_cast<int>(i) + 1;
            switch (program.firstChar[i]) {
                case 'L':
                    ++open;
                    break;
                case 'K':
                    if (open == 0) AddEditorReport(2, line);
                    open = std::max(open, 1);
                    break;
                case 'H':
                    if (open == 0) AddEditorReport(2, line);
                    open = std::max(open - 1, 0);
                    break;
                case '!':
                    open = 0;
                    break;
            }
            switch (s.op) {
                case Op::If:
                case Op::Else:
                    if (s.jump < 0) AddEditorReport(2, line);
                    break;
                case Op::ControlSyntaxError:
                case Op::SyntaxError:
                    Syntax(program, i);
                    break;
                case Op::Link:
                    Variable(line, s.n1);
                    Server(line, s.n1, s.n2, false, firstLink);
                    firstLink = false;
                    break;
                case Op::Set:
                    Variable(line, s.n1);
                    Server(line, s.n1, s.n2, true, false);
                    break;
                case Op::LinkOffset:
                case Op::Offset:
                case Op::SetSameServer:
                    Variable(line, s.n1);
                    break;
                case Op::LinkServer:
                case Op::Server:
                    Server(line, -1, s.n1, false, false);
                    break;
                case Op::SetFile:
                    out_.files.push_back({click_, line, program.texts[s.text]});
                    break;
                default:
                    break;
            }
        }
    }

    void Syntax(const DecodedProgram& program, std::size_t i) {
        const int line = static_cast<int>(i) + 1;
        if (program.firstChar[i] == 'A' && program.variant == ScriptVariant::Text &&
            !reported_.count(line)) {
            LineScanner scan(lines_[i]);
            std::string_view opcode, format;
            if (scan.Word(opcode) && scan.Word(format)) {
                reported_.insert(line);
                AddAt(line, "the player refuses the print format \"" + std::string(format) +
                                "\": it takes exactly one floating conversion such as %05.1f");
                return;
            }
        }
        AddEditorReport(1, line);
    }

    void Variable(int line, std::int32_t offset) {
        if (offset >= 0 && offset < kVariableCount) return;
        AddAt(line, "variable " + std::to_string(offset) + " is outside 0.." +
                        std::to_string(kVariableCount - 1));
    }

    void Server(int line, std::int32_t offset, std::int32_t server, bool sending, bool first) {
        const std::string variable =
            offset >= 0 ? "variable " + std::to_string(offset) : std::string("the variables");
        if (server == 0 && !sending) {
            const bool primary = first && primary_ && primary_->server == 0;
            AddAt(line,
                  variable + " is read from server 0, which is no server link" +
                      (primary ? ", so the player never runs this script" : ": it always reads 0"));
            return;
        }
        const int link = server == 1 ? 1 : 2;
        if ((link == 1 ? link1_ : link2_).ip != kLinkOff) return;
        AddAt(line, variable + (sending ? " is sent to" : " is read from") + " server link " +
                        std::to_string(link) + ", which is off (" + kLinkOff + ")");
    }

    // A line of blanks ends a run: statements after it never run.
    void CheckUnreachedLines() {
        const std::vector<std::string> lines = StrippedLines(source_);
        const std::size_t ran = lines_.size();
        if (ran >= lines.size()) return;
        for (std::size_t n = ran + 1; n < lines.size(); ++n) {
            if (IsBlankText(lines[n])) continue;
            AddAt(static_cast<int>(ran) + 1,
                  "this line holds only blanks, so the player never runs the lines after it");
            return;
        }
    }

    const CElement& element_;
    bool click_;
    const std::string& source_;
    const GaugeLink& link1_;
    const GaugeLink& link2_;
    ScriptCheckResult& out_;
    std::optional<PrimaryLink> primary_;
    std::string compiled_;  // the compiled text lines_ look into
    std::vector<std::string_view> lines_;
    std::set<int> reported_;  // lines with a message that the editor's report would repeat
};

}  // namespace

ScriptCheckResult CheckElementScripts(const CElement& element, const GaugeLink& link1,
                                      const GaugeLink& link2) {
    ScriptCheckResult out;
    ProgramCheck(element, false, link1, link2, out).Run();
    if (element.GetKind() == ElementKind::Image)
        ProgramCheck(element, true, link1, link2, out).Run();
    return out;
}

}  // namespace dw
