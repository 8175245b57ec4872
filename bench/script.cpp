// Speed of the script language: statements per second of the interpreter, one frame of a
// large gauge, and compilation.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/CElement.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptEngine.h"
#include "script/ScriptRunner.h"
#include "script/StripComments.h"

namespace {

struct Tables {
    std::array<dw::VariableCell, dw::kVariableCount> one{};
    std::array<dw::VariableCell, dw::kVariableCount> two{};
};

class NullSink : public dw::IValueSink {
public:
    void SendValue(int, std::int32_t, std::int32_t value) override { last = value; }
    std::int32_t last = 0;
};

dw::ScriptRunOptions Options(Tables& tables, dw::IValueSink* sink) {
    dw::ScriptRunOptions options;
    options.values1 = tables.one.data();
    options.values2 = tables.two.data();
    options.sink = sink;
    return options;
}

// A main program of `count` simple register statements.
std::string SimpleProgram(int count) {
    std::string program = "link offset 10 server 1\r\n";
    const char* lines[] = {"value += 1", "data = value", "data *= 2", "value -= data"};
    for (int i = 0; i < count; ++i) program += std::string(lines[i % 4]) + "\r\n";
    return program;
}

void SimpleStatements(benchmark::State& state, dw::ElementKind kind) {
    Tables tables;
    NullSink sink;
    dw::CElement element(nullptr, kind);
    element.mainProgram = SimpleProgram(1000);
    dw::CompilePrograms(element);
    const dw::ScriptRunOptions options = Options(tables, &sink);
    double total = 0;
    int varying = 0;
    for (auto _ : state) {
        tables.one[10].store(++varying);  // audio elements run only on a changed value
        const dw::ScriptRunResult result = dw::RunMainScript(element, options);
        total += result.value;
    }
    benchmark::DoNotOptimize(total);
    state.SetItemsProcessed(state.iterations() * 1001);
}

void BM_SimpleStatementsImage(benchmark::State& state) {
    SimpleStatements(state, dw::ElementKind::Image);
}
void BM_SimpleStatementsAudio(benchmark::State& state) {
    SimpleStatements(state, dw::ElementKind::Audio);
}
BENCHMARK(BM_SimpleStatementsImage);
BENCHMARK(BM_SimpleStatementsAudio);

// A typical gauge script: scale the variable, clamp it, turn a needle, show a warning.
const char* const kGaugeScript =
    "link offset %d server 1\r\n"
    "value /= 256\r\n"
    "if value > 360\r\n"
    "value = 360\r\n"
    "endif\r\n"
    "data = value\r\n"
    "data *= 0.75\r\n"
    "rotate\r\n"
    "if value >= 300\r\n"
    "show\r\n"
    "else\r\n"
    "hide\r\n"
    "endif\r\n"
    "round value\r\n"
    "set offset 500 server 2 = value\r\n";

// One frame of a 500-element gauge: every element's main program once.
void BM_Frame500Elements(benchmark::State& state) {
    Tables tables;
    NullSink sink;
    std::vector<std::unique_ptr<dw::CElement>> elements;
    for (int i = 0; i < 500; ++i) {
        auto element = std::make_unique<dw::CElement>(nullptr, dw::ElementKind::Primitive);
        char program[1024];
        std::snprintf(program, sizeof program, kGaugeScript, i % 1000);
        element->mainProgram = program;
        dw::CompilePrograms(*element);
        element->SaveRunStart();
        elements.push_back(std::move(element));
    }
    const dw::ScriptRunOptions options = Options(tables, &sink);
    int frame = 0;
    for (auto _ : state) {
        ++frame;
        for (int i = 0; i < 1000; i += 7) tables.one[i].store(frame * 97 + i);
        for (auto& element : elements) dw::RunMainScript(*element, options);
    }
    benchmark::DoNotOptimize(sink.last);
    state.SetItemsProcessed(state.iterations() * 500);
}
BENCHMARK(BM_Frame500Elements)->Unit(benchmark::kMicrosecond);

void BM_CompileGaugeScript(benchmark::State& state) {
    dw::CElement element(nullptr, dw::ElementKind::Primitive);
    element.mainProgram = kGaugeScript;
    for (auto _ : state) {
        dw::CompilePrograms(element);
        benchmark::DoNotOptimize(element.compiledMain.data());
    }
}
BENCHMARK(BM_CompileGaugeScript)->Unit(benchmark::kMicrosecond);

// 2 MB of commented script: line comments, block comments and code between them.
void BM_StripComments2MB(benchmark::State& state) {
    std::string source;
    for (int i = 0; source.size() < 2 * 1024 * 1024; ++i)
        source += "value = value + " + std::to_string(i) + " // note " + std::to_string(i) +
                  "\r\n/* block\r\n comment */\r\n\r\n";
    for (auto _ : state) {
        std::string text = source;
        dw::StripComments(text);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_StripComments2MB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
