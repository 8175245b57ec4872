#include "ScriptTestSupport.h"

#include <cstdio>

namespace scripttest {

TestElement::TestElement(dw::ElementKind kind) : CElement(nullptr, kind) {
    rect = {10, 10, 110, 60};
    width = 100;
    height = 50;
}

void TestElement::Rotate(double degrees, dw::Colour fill) {
    ++rotateCalls;
    if (scriptLock.try_lock()) {
        scriptLock.unlock();
        ++rotatesWithoutLock;
    }
    if (degrees == runRotation) return;
    runRotation = degrees;
    char text[64];
    std::snprintf(text, sizeof text, "rotate %g fill %u", degrees, static_cast<unsigned>(fill));
    calls.push_back(text);
}

void TestElement::ReplaceSurfaceColour(dw::Colour from, dw::Colour to) {
    calls.push_back("replace " + std::to_string(from) + " " + std::to_string(to));
}

std::unique_ptr<TestElement> Harness::Make(dw::ElementKind kind, const std::string& mainProgram,
                                           const std::string& clickProgram) {
    auto element = std::make_unique<TestElement>(kind);
    element->mainProgram = mainProgram;
    element->clickProgram = clickProgram;
    dw::CompilePrograms(*element);
    element->SaveRunStart();
    return element;
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text.append(line).append("\r\n");
    return text;
}

}  // namespace scripttest
