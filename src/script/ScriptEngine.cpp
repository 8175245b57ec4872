#include "script/ScriptEngine.h"

#include <memory>

#include "model/ElementHooks.h"
#include "script/DecodedProgram.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptRunner.h"

namespace dw {

void CompilePrograms(CElement& element) {
    element.compiledClick = CompileSource(element.clickProgram, false);
    element.compiledMain = CompileSource(element.mainProgram, element.borderColorOnly);
    auto click = std::make_shared<DecodedProgram>(
        DecodeProgram(element.compiledClick, VariantFor(element.GetKind(), true)));
    click->stamp = element.compiledClick.Stamp();
    element.decodedClick = std::move(click);
    auto main = std::make_shared<DecodedProgram>(
        DecodeProgram(element.compiledMain, VariantFor(element.GetKind(), false)));
    main->stamp = element.compiledMain.Stamp();
    element.decodedMain = std::move(main);
    ParseLink(element);
}

void ParseLink(CElement& element) {
    if (const std::optional<PrimaryLink> link = ParseLinkText(element.mainProgram)) {
        element.linkedOffset = link->offset;
        element.linkedServer = link->server;
    }
}

bool RunElementProgram(CElement& element) {
    ClientValueSink sink(element.client1, element.client2);
    return RunMainScript(element, RunOptionsFor(element, sink)).ok;
}

bool RunElementClickProgram(CElement& element) {
    ClientValueSink sink(element.client1, element.client2);
    return RunClickScript(element, RunOptionsFor(element, sink)).ok;
}

void InstallScriptEngine() {
    ElementHooks hooks = CurrentElementHooks();
    hooks.compilePrograms = [](CElement& e) { CompilePrograms(e); };
    hooks.parseLink = [](CElement& e) { ParseLink(e); };
    hooks.runMainProgram = [](CElement& e) { return RunElementProgram(e); };
    hooks.runClickProgram = [](CElement& e) { return RunElementClickProgram(e); };
    InstallElementHooks(std::move(hooks));
}

}  // namespace dw
