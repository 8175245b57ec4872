#pragma once
// The script library's entry points for the element model: compiling an element's programs
// when run mode starts, reading its primary link, and running its programs.
#include "model/CElement.h"

namespace dw {

// Installs the compilePrograms, parseLink, runMainProgram and runClickProgram hooks of the
// element model (model/ElementHooks.h), keeping the other hooks as they are. Call once at
// start-up, before elements are used from other threads.
void InstallScriptEngine();

// Compiles the click program into compiledClick, then the main program into compiledMain
// (with the setcolor rewrite when borderColorOnly is set), reads both into their run form,
// then reads the primary link.
void CompilePrograms(CElement& element);

// Sets linkedOffset and linkedServer from the first "link offset N server M" of mainProgram;
// leaves them unchanged when there is none.
void ParseLink(CElement& element);

// The hooks' run operations: a run as the player makes it, with the element's variable
// tables and clients and the current script environment (ScriptHost.h). True when no error
// was recorded.
bool RunElementProgram(CElement& element);
bool RunElementClickProgram(CElement& element);

}  // namespace dw
