#pragma once
// A test element kind that records what the script engine asks of it, and a harness that runs
// its programs with recording sinks.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/CElement.h"
#include "script/ScriptEngine.h"
#include "script/ScriptRunner.h"
#include "support/MemorySettingsStore.h"

namespace scripttest {

class TestElement : public dw::CElement {
public:
    explicit TestElement(dw::ElementKind kind);

    void Rotate(double degrees, dw::Colour fill) override;
    void Rebuild() override;
    void ReplaceSurfaceColour(dw::Colour from, dw::Colour to) override;
    void RenderContent() override;
    void Play(bool loop) override;
    void Stop() override;

    // Every operation called, in order ("rotate 30 fill 5", "rebuild", "render <text>",
    // "replace 1 2", "play", "play loop", "stop").
    std::vector<std::string> calls;
    // Set by Rotate: whether the element's script lock was held at that moment.
    bool lockHeldDuringRotate = false;
    // Set for good when some Rotate ran without the lock held.
    bool lockMissed = false;
    int rotateCalls = 0;
};

class RecordingSink : public dw::IValueSink {
public:
    void SendValue(int link, std::int32_t offset, std::int32_t value) override;
    std::vector<std::string> sent;  // "link:offset=value"
};

class RecordingPlayer : public dw::IPlayerControl {
public:
    void RequestClose() override { ++closes; }
    void ShowWindow(bool show) override { shows.push_back(show); }
    int closes = 0;
    std::vector<bool> shows;
};

// Runs programs of test elements with two variable tables and recording sinks.
class Harness {
public:
    Harness();
    // A fresh element of the kind with these programs, compiled as run mode does.
    std::unique_ptr<TestElement> Make(dw::ElementKind kind, const std::string& mainProgram,
                                      const std::string& clickProgram = "");
    dw::ScriptRunResult Run(TestElement& element);
    dw::ScriptRunResult Click(TestElement& element);
    void SetVariable(int link, int offset, std::int32_t value);

    std::unique_ptr<std::array<dw::VariableCell, dw::kVariableCount>> table1;
    std::unique_ptr<std::array<dw::VariableCell, dw::kVariableCount>> table2;
    RecordingSink sink;
    RecordingPlayer player;
    dwtest::MemorySettingsStore settings;

private:
    dw::ScriptRunOptions Options();
};

// Source lines joined with CR LF (and one after the last).
std::string Lines(std::initializer_list<const char*> lines);

}  // namespace scripttest
