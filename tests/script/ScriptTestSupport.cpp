#include "ScriptTestSupport.h"

#include <charconv>

#include "model/GlobalSwitch.h"

namespace scripttest {

namespace {
std::string Number(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}
}  // namespace

TestElement::TestElement(dw::ElementKind kind) : CElement(nullptr, kind) {
    rect = {10, 10, 110, 60};
    width = 100;
    height = 50;
}

void TestElement::Rotate(double degrees, dw::Colour fill) {
    ++rotateCalls;
    lockHeldDuringRotate = !scriptLock.try_lock();
    if (!lockHeldDuringRotate) {
        scriptLock.unlock();
        lockMissed = true;
    }
    if (degrees == runRotation) return;
    runRotation = degrees;
    calls.push_back("rotate " + Number(degrees) + " fill " + std::to_string(fill));
}

void TestElement::Rebuild() {
    calls.push_back("rebuild");
}

void TestElement::ReplaceSurfaceColour(dw::Colour from, dw::Colour to) {
    calls.push_back("replace " + std::to_string(from) + " " + std::to_string(to));
}

void TestElement::RenderContent() {
    calls.push_back("render " + text);
}

void TestElement::Play(bool loop) {
    calls.push_back(loop ? "play loop" : "play");
}

void TestElement::Stop() {
    calls.push_back("stop");
}

void RecordingSink::SendValue(int link, std::int32_t offset, std::int32_t value) {
    sent.push_back(std::to_string(link) + ":" + std::to_string(offset) + "=" +
                   std::to_string(value));
}

Harness::Harness()
    : table1(std::make_unique<std::array<dw::VariableCell, dw::kVariableCount>>()),
      table2(std::make_unique<std::array<dw::VariableCell, dw::kVariableCount>>()) {
    for (auto& cell : *table1) cell.store(0);
    for (auto& cell : *table2) cell.store(0);
    dw::SetGlobalSwitch(true);
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

dw::ScriptRunOptions Harness::Options() {
    dw::ScriptRunOptions options;
    options.values1 = table1->data();
    options.values2 = table2->data();
    options.sink = &sink;
    options.settings = &settings;
    options.player = &player;
    return options;
}

dw::ScriptRunResult Harness::Run(TestElement& element) {
    return dw::RunMainScript(element, Options());
}

dw::ScriptRunResult Harness::Click(TestElement& element) {
    return dw::RunClickScript(element, Options());
}

void Harness::SetVariable(int link, int offset, std::int32_t value) {
    (link == 1 ? *table1 : *table2)[offset].store(value);
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace scripttest
