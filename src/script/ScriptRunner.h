#pragma once
// Running an element's compiled programs: the main program (every frame, for elements with a
// primary link) and the click program (image elements, on a click in the player).
#include <cstdint>

#include "model/CElement.h"
#include "script/ScriptHost.h"

namespace dw {

// Everything a run uses besides the element. RunOptionsFor() fills it the way the player
// runs elements; the debugger and the tests fill it themselves.
struct ScriptRunOptions {
    const VariableCell* values1 = nullptr;  // variable tables of links 1 and 2 (kVariableCount)
    const VariableCell* values2 = nullptr;
    IValueSink* sink = nullptr;          // receives "set" values; null drops them
    ISettingsStore* settings = nullptr;  // "RunTime" error records; null records nothing
    IPlayerControl* player = nullptr;    // closed after an error; null: nothing to close
    IScriptTrace* trace = nullptr;       // optional action trace
};

struct ScriptRunResult {
    bool ok = true;        // no run-time error was recorded
    bool skipped = false;  // audio element whose variable kept its value: nothing ran
    double value = 0.0;    // the registers at the end of the run
    double data = 0.0;
    std::int32_t errorCode = 0;  // 1 syntax, 2 if/else mismatch; negative in click programs
    std::int32_t errorLine = 0;  // line of the error, counted from 1 over the compiled text
};

// Runs compiledMain once with the rules of the element's kind.
ScriptRunResult RunMainScript(CElement& element, const ScriptRunOptions& options);
// Runs compiledClick once (image elements; other kinds do nothing and succeed).
ScriptRunResult RunClickScript(CElement& element, const ScriptRunOptions& options);

// The options of a run in the player: the element's tables and clients and the current
// script environment. The sink must outlive the run.
ScriptRunOptions RunOptionsFor(CElement& element, ClientValueSink& sink);

}  // namespace dw
