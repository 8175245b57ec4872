// dwtool script FILE --kind K [--var S:O=V[,V...]]... [--click] [--runs N] [--shape NAME]:
// the script debugger. Runs a script on a fresh element of one kind and shows, after every
// run, the registers, what changed on the element, the values sent and any error.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ScriptSource.h"
#include "Verb.h"
#include "model/ElementFactory.h"
#include "runtime/ElementKinds.h"
#include "script/NumberText.h"
#include "script/ScriptDebugger.h"

namespace dwtool {
namespace {

constexpr const char* kUsage =
    "script FILE --kind image|text|primitive|audio [--var S:O=V[,V...]]... [--click] "
    "[--runs N] [--shape NAME]";

// A whole decimal integer (sign allowed), nothing else.
std::optional<std::int32_t> WholeInt(const std::string& text) {
    std::size_t used = 0;
    const std::int32_t value = dw::LeadingInt(text, &used);
    if (used == 0 || used != text.size()) return std::nullopt;
    return value;
}

// "S:O=V" or "S:O=V1,V2,...".
std::optional<dw::DebugVariable> ParseVariable(const std::string& text) {
    const std::size_t colon = text.find(':');
    const std::size_t equals = text.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon)
        return std::nullopt;
    const auto server = WholeInt(text.substr(0, colon));
    const auto offset = WholeInt(text.substr(colon + 1, equals - colon - 1));
    if (!server || !offset) return std::nullopt;
    dw::DebugVariable variable;
    variable.server = *server;
    variable.offset = *offset;
    std::size_t start = equals + 1;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const auto value = WholeInt(text.substr(start, comma - start));
        if (!value) return std::nullopt;
        variable.values.push_back(*value);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return variable;
}

std::optional<std::string> TypeWord(const std::string& kind) {
    if (kind == "image" || kind == "graph") return std::string("graph");
    if (kind == "text" || kind == "primitive" || kind == "audio") return kind;
    return std::nullopt;
}

int Usage() {
    std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
    return 2;
}

int RunScript(const std::vector<std::string>& args) {
    dw::ScriptDebugOptions options;
    std::string path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--kind" && hasValue) {
            const auto word = TypeWord(args[++i]);
            if (!word) return Usage();
            options.typeWord = *word;
        } else if (a == "--var" && hasValue) {
            const auto variable = ParseVariable(args[++i]);
            if (!variable) {
                std::fprintf(stderr, "dwtool script: bad variable '%s' (use S:O=V)\n",
                             args[i].c_str());
                return 2;
            }
            options.variables.push_back(*variable);
        } else if (a == "--runs" && hasValue) {
            const auto runs = WholeInt(args[++i]);
            if (!runs || *runs < 1 || *runs > 100000) return Usage();
            options.runs = *runs;
        } else if (a == "--shape" && hasValue) {
            options.shape = args[++i];
        } else if (a == "--click") {
            options.click = true;
        } else if (path.empty() && (a == "-" || (!a.empty() && a[0] != '-'))) {
            path = a;
        } else {
            return Usage();
        }
    }
    if (path.empty() || options.typeWord.empty()) return Usage();
    const std::optional<std::string> source = ReadScriptSource(path);
    if (!source) {
        std::fprintf(stderr, "dwtool script: cannot read '%s'\n", path.c_str());
        return 1;
    }
    options.source = WithCrLf(*source);

    dw::ElementFactory& factory = dw::ElementFactory::Instance();
    if (!factory.IsRegistered(options.typeWord)) dw::RegisterAllKinds(factory);

    std::string report;
    const int status = dw::RunScriptDebugger(options, factory, report);
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fflush(stdout);
    return status;
}

}  // namespace

DWTOOL_VERB(script, kUsage, "run a script on a fresh element and show what each run did",
            RunScript);

}  // namespace dwtool
