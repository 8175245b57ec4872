// dwtool compile [FILE|-]: compiles a script source as the player does when a run starts and
// shows the compiled lines, what a run makes of them, and the primary link.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ScriptSource.h"
#include "Verb.h"
#include "model/ElementKind.h"
#include "script/DecodedProgram.h"
#include "script/ScriptCompiler.h"

namespace dwtool {
namespace {

constexpr const char* kUsage = "compile [FILE|-] [--kind K] [--click] [--border-only] [--raw]";

struct CompileOptions {
    std::string path = "-";
    std::optional<dw::ElementKind> kind;
    bool click = false;
    bool borderOnly = false;
    bool raw = false;
};

bool ParseArguments(const std::vector<std::string>& args, CompileOptions& options) {
    bool havePath = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--kind" && i + 1 < args.size()) {
            options.kind = dw::KindOfTypeWord(args[++i] == "image" ? "graph" : args[i]);
            if (!options.kind) return false;
        } else if (a == "--click") {
            options.click = true;
        } else if (a == "--border-only") {
            options.borderOnly = true;
        } else if (a == "--raw") {
            options.raw = true;
        } else if (!havePath && (a == "-" || (!a.empty() && a[0] != '-'))) {
            options.path = a;
            havePath = true;
        } else {
            return false;
        }
    }
    return true;
}

const char* KindName(dw::ElementKind kind, bool click) {
    switch (kind) {
        case dw::ElementKind::Text:
            return "a text element";
        case dw::ElementKind::Primitive:
            return "a basic graph element";
        case dw::ElementKind::Audio:
            return "an audio element";
        case dw::ElementKind::Image:
            break;
    }
    return click ? "an image element's click program" : "an image element";
}

// The compiled text cut at line feeds, each line without its carriage return.
std::vector<std::string> CompiledLines(const std::string& compiled) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < compiled.size()) {
        std::size_t end = compiled.find('\n', start);
        if (end == std::string::npos) end = compiled.size();
        std::string line = compiled.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

void PrintProgram(const std::string& compiled, const CompileOptions& options) {
    const char* which = options.click ? "click" : "main";
    const std::vector<std::string> lines = CompiledLines(compiled);
    if (lines.empty()) {
        std::printf("compiled %s program: empty (a run does nothing)\n", which);
        return;
    }
    std::optional<dw::DecodedProgram> decoded;
    if (options.kind)
        decoded = dw::DecodeProgram(compiled, dw::VariantFor(*options.kind, options.click));
    const std::size_t running = dw::ProgramLines(compiled).size();
    std::printf("compiled %s program, %zu line%s:\n", which, lines.size(),
                lines.size() == 1 ? "" : "s");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string note;
        if (i == running)
            note = "   <- blank line: a run stops here";
        else if (i > running)
            note = "   <- never runs";
        else if (decoded && (decoded->lines[i].op == dw::Op::SyntaxError ||
                             decoded->lines[i].op == dw::Op::ControlSyntaxError))
            note = std::string("   <- syntax error in ") + KindName(*options.kind, options.click);
        std::printf("%4zu | %s%s\n", i + 1, lines[i].c_str(), note.c_str());
    }
}

void PrintLink(const std::string& source) {
    if (source.empty() || source == "none") {
        std::printf("primary link: none (the program is %s)\n",
                    source.empty() ? "empty" : "\"none\"");
        return;
    }
    if (const auto link = dw::ParseLinkText(source)) {
        std::printf("primary link: offset %d server %d\n", link->offset, link->server);
        return;
    }
    std::printf("primary link: none (no \"link offset N server M\"; the player never runs it)\n");
}

int RunCompile(const std::vector<std::string>& args) {
    CompileOptions options;
    if (!ParseArguments(args, options)) {
        std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
        return 2;
    }
    std::optional<std::string> source = ReadScriptSource(options.path);
    if (!source) {
        std::fprintf(stderr, "dwtool compile: cannot read '%s'\n", options.path.c_str());
        return 1;
    }
    if (!options.raw) *source = WithCrLf(*source);
    const std::string compiled = dw::CompileSource(*source, options.borderOnly && !options.click);
    if (options.raw) {
        std::fwrite(compiled.data(), 1, compiled.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    PrintProgram(compiled, options);
    if (!options.click) PrintLink(*source);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

DWTOOL_VERB(compile, kUsage, "compile a script and show its lines and primary link", RunCompile);

}  // namespace dwtool
