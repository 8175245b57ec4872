// Fuzz target of the script language: any source text must compile, and the compiled program
// must run as every element kind (and as an image's click program) without crashing, hanging
// or reading outside its tables; the error report must be built for whatever a run records.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/CElement.h"
#include "model/GlobalSwitch.h"
#include "script/ErrorReport.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptEngine.h"
#include "script/ScriptRunner.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

class Sink : public dw::IValueSink {
public:
    void SendValue(int link, std::int32_t, std::int32_t) override { Check(link == 1 || link == 2); }
};

class Player : public dw::IPlayerControl {
public:
    void RequestClose() override { ++closes; }
    void ShowWindow(bool) override {}
    int closes = 0;
};

struct Tables {
    std::array<dw::VariableCell, dw::kVariableCount> one;
    std::array<dw::VariableCell, dw::kVariableCount> two;
};

void RunAs(dw::ElementKind kind, const std::string& source, bool borderOnly, Tables& tables,
           std::uint8_t seed) {
    dw::CElement element(nullptr, kind);
    element.rect = {10, 10, 110, 60};
    element.width = 100;
    element.height = 50;
    element.mainProgram = source;
    element.clickProgram = source;
    element.borderColorOnly = borderOnly;
    dw::CompilePrograms(element);
    element.SaveRunStart();
    if (seed & 1) {
        element.linkedServer = seed & 2 ? 1 : 2;
        element.linkedOffset = seed * 7;
    }
    Sink sink;
    Player player;
    dw::ScriptRunOptions options;
    options.values1 = tables.one.data();
    options.values2 = tables.two.data();
    options.sink = &sink;
    options.player = &player;
    int failures = 0;
    for (int run = 0; run < 2; ++run) {
        const dw::ScriptRunResult main = dw::RunMainScript(element, options);
        Check(main.ok == (main.errorCode == 0));
        if (!main.ok) {
            ++failures;
            Check(main.errorCode == 1 || main.errorCode == 2);
            Check(main.errorLine >= 1);
            Check(dw::BuildScriptErrorReport(main.errorCode, main.errorLine, element.mainProgram,
                                             element.clickProgram)
                      .has_value());
        }
        const dw::ScriptRunResult click = dw::RunClickScript(element, options);
        if (!click.ok) {
            ++failures;
            Check(kind == dw::ElementKind::Image);
            Check(click.errorCode == -1 || click.errorCode == -2);
        }
    }
    // Every failed run, and only those, closes the player.
    Check(player.closes == failures);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<Tables> tables = [] {
        auto t = std::make_unique<Tables>();
        for (int i = 0; i < dw::kVariableCount; ++i) {
            t->one[i].store(i * 3 - 100);
            t->two[i].store(i % 2 ? 0x414243 : -i);
        }
        return t;
    }();
    const std::string source(reinterpret_cast<const char*>(data), size);
    dw::SetGlobalSwitch(true);
    const std::uint8_t seed = size > 0 ? data[0] : 0;
    for (dw::ElementKind kind : {dw::ElementKind::Image, dw::ElementKind::Text,
                                 dw::ElementKind::Primitive, dw::ElementKind::Audio})
        RunAs(kind, source, kind == dw::ElementKind::Primitive && (seed & 4), *tables, seed);
    dw::ParseLinkText(source);
    dw::MarkScriptLine(source, static_cast<int>(seed));
    return 0;
}
