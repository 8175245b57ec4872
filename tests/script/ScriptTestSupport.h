#pragma once
// A test element kind that records what the script engine asks of it, and a harness that runs
// its programs with recording sinks.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/CElement.h"
#include "model/GlobalSwitch.h"
#include "script/ScriptEngine.h"
#include "script/ScriptRunner.h"
#include "support/MemorySettingsStore.h"

namespace scripttest {

class TestElement : public dw::CElement {
public:
    explicit TestElement(dw::ElementKind kind);

    void Rotate(double degrees, dw::Colour fill) override;
    void Rebuild() override { calls.push_back("rebuild"); }
    void ReplaceSurfaceColour(dw::Colour from, dw::Colour to) override;
    void RenderContent() override { calls.push_back("render " + text); }
    void Play(bool loop) override { calls.push_back(loop ? "play loop" : "play"); }
    void Stop() override { calls.push_back("stop"); }

    // Every operation called, in order ("rotate 30 fill 5", "rebuild", "render <text>",
    // "replace 1 2", "play", "play loop", "stop").
    std::vector<std::string> calls;
    int rotateCalls = 0;
    int rotatesWithoutLock = 0;  // Rotate calls made while the script lock was free
};

class RecordingSink : public dw::IValueSink {
public:
    void SendValue(int link, std::int32_t offset, std::int32_t value) override {
        sent.push_back(std::to_string(link) + ":" + std::to_string(offset) + "=" +
                       std::to_string(value));
    }
    std::vector<std::string> sent;  // "link:offset=value"
};

class RecordingPlayer : public dw::IPlayerControl {
public:
    void RequestClose() override { ++closes; }
    void ShowWindow(bool show) override { shows.push_back(show); }
    int closes = 0;
    std::vector<bool> shows;
};

// Source lines joined with CR LF (and one after the last).
std::string Lines(std::initializer_list<const char*> lines);

using VariableTable = std::array<dw::VariableCell, dw::kVariableCount>;

// Runs programs of test elements with two variable tables and recording sinks.
class Harness {
public:
    Harness() { dw::SetGlobalSwitch(true); }
    // A fresh element of the kind with these programs, compiled as run mode does.
    std::unique_ptr<TestElement> Make(dw::ElementKind kind, const std::string& mainProgram,
                                      const std::string& clickProgram = "");
    // A fresh element with these main program lines, run once.
    std::unique_ptr<TestElement> Ran(dw::ElementKind kind,
                                     std::initializer_list<const char*> lines) {
        auto element = Make(kind, Lines(lines));
        Run(*element);
        return element;
    }
    dw::ScriptRunResult Run(TestElement& element) { return dw::RunMainScript(element, Options()); }
    dw::ScriptRunResult Click(TestElement& element) {
        return dw::RunClickScript(element, Options());
    }
    void SetVariable(int link, int offset, std::int32_t value) {
        (link == 1 ? *table1 : *table2)[offset].store(value);
    }

    std::unique_ptr<VariableTable> table1 = std::make_unique<VariableTable>();
    std::unique_ptr<VariableTable> table2 = std::make_unique<VariableTable>();
    RecordingSink sink;
    RecordingPlayer player;
    dwtest::MemorySettingsStore settings;

private:
    dw::ScriptRunOptions Options() {
        return {table1->data(), table2->data(), &sink, &settings, &player, nullptr};
    }
};

}  // namespace scripttest
