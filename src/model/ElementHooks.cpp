#include "model/ElementHooks.h"

#include <utility>

namespace dw {

namespace {
ElementHooks& Hooks() {
    static ElementHooks hooks;
    return hooks;
}
}  // namespace

void InstallElementHooks(ElementHooks hooks) {
    Hooks() = std::move(hooks);
}

const ElementHooks& CurrentElementHooks() {
    return Hooks();
}

void CallCompilePrograms(CElement& element) {
    if (Hooks().compilePrograms) Hooks().compilePrograms(element);
}

void CallParseLink(CElement& element) {
    if (Hooks().parseLink) Hooks().parseLink(element);
}

bool CallRunMainProgram(CElement& element) {
    return Hooks().runMainProgram ? Hooks().runMainProgram(element) : true;
}

bool CallRunClickProgram(CElement& element) {
    return Hooks().runClickProgram ? Hooks().runClickProgram(element) : true;
}

void CallEditProperties(CElement& element) {
    if (Hooks().editProperties) Hooks().editProperties(element);
}

}  // namespace dw
