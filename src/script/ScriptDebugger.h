#pragma once
// The gauge author's script debugger: runs a script on a fresh element of one kind with
// chosen variable values and reports, after every run, the registers, what changed on the
// element, the values sent to the server links and any error with its report.
#include <cstdint>
#include <string>
#include <vector>

namespace dw {

class ElementFactory;

struct DebugVariable {
    std::int32_t server = 1;  // 1: link 1, any other: link 2
    std::int32_t offset = 0;
    // The value in each run; the last one stays for the runs after it.
    std::vector<std::int32_t> values;
};

struct ScriptDebugOptions {
    std::string source;    // the script, lines ending with CR LF
    std::string typeWord;  // "graph", "text", "primitive" or "audio"
    std::string shape;     // basic graph subtype ("Scale", ...); empty keeps the kind's own
    std::vector<DebugVariable> variables;
    bool click = false;  // run the source as an image element's click program
    int runs = 1;
};

// Creates the element through `factory`, runs it and appends the report to `out`. Returns 0
// when every run went without error, 1 when a run recorded an error, 2 when no element of
// that kind can be made.
int RunScriptDebugger(const ScriptDebugOptions& options, ElementFactory& factory, std::string& out);

}  // namespace dw
