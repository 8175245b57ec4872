#pragma once
// Process-wide entry points that libraries above the element model fill in, so that the
// model neither compiles nor runs scripts nor opens dialogs itself:
//
//   compilePrograms  compiles the click and the main program into compiledClick and
//                    compiledMain and reads the primary link; CElement::SetRunMode calls it
//                    for every element when run mode starts (installed by the script library).
//   parseLink        reads the primary link of mainProgram into linkedServer/linkedOffset;
//                    ElementFactory::Load calls it after an element was read (script library).
//   runMainProgram   runs compiledMain once; the default CElement::RunProgram calls it.
//   runClickProgram  runs compiledClick once; the default CElement::OnClick calls it.
//   editProperties   opens the element's properties dialog; the default
//                    CElement::EditProperties calls it (installed by the editor).
//
// A hook that is not installed does nothing; the run hooks then report success (true).
// Install hooks once at start-up, before any other thread uses elements: installing is not
// synchronised with callers.
#include <functional>

namespace dw {

class CElement;

struct ElementHooks {
    std::function<void(CElement&)> compilePrograms{};
    std::function<void(CElement&)> parseLink{};
    std::function<bool(CElement&)> runMainProgram{};
    std::function<bool(CElement&)> runClickProgram{};
    std::function<void(CElement&)> editProperties{};
};

// Replaces every hook at once. Libraries that fill in only some hooks read the current set
// with CurrentElementHooks(), change their members and install the result.
void InstallElementHooks(ElementHooks hooks);
const ElementHooks& CurrentElementHooks();

// Callers of the hooks: each does nothing (and returns true) when its hook is missing.
void CallCompilePrograms(CElement& element);
void CallParseLink(CElement& element);
bool CallRunMainProgram(CElement& element);
bool CallRunClickProgram(CElement& element);
void CallEditProperties(CElement& element);

}  // namespace dw
