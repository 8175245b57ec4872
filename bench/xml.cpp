// Speed of the XML layer on a gauge-like document of 2000 elements: parsing, formatting,
// and a whole load-and-save round; and the memory a parsed document takes, counted by this
// program's own allocator as the peak of live bytes over the text's size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "files/XmlNode.h"

namespace {

std::string GaugeText(int elements) {
    dw::XmlNode declaration = dw::CreateTopNode("xml", true);
    declaration.AddAttribute("version", "1.0");
    declaration.AddAttribute("encoding", "iso-8859-1");
    dw::XmlNode gauge = declaration.AddChild("gauge");
    gauge.AddAttribute("version", "2.0.0.0");
    dw::XmlNode properties = gauge.AddChild("properties");
    properties.AddAttribute("name", "Benchmark panel");
    properties.AddAttribute("fps", "20");
    for (int i = 0; i < 16; ++i) properties.AddAttribute("customcolor_" + std::to_string(i), "0");
    for (int i = 0; i < elements; ++i) {
        dw::XmlNode element = gauge.AddChild("element");
        element.AddAttribute("type", "graph");
        element.AddAttribute("name", "needle " + std::to_string(i));
        element.AddAttribute("file", "images\\needle.png");
        element.AddAttribute("locked", "no");
        for (const char* name : {"left", "top", "right", "width", "height"})
            element.AddAttribute(name, std::to_string(i % 800));
        element.AddAttribute("rot", "12.500000");
        element.AddAttribute("btr", "yes");
        element.AddAttribute("ntr", "8421504");
        element.AddChild("program").AddClear("link offset " + std::to_string(i % 1196) +
                                             " server 1\r\nrotate value * 2\r\n");
        element.AddChild("program_lbup").AddClear("set 12 1 server 1\r\n");
    }
    return dw::CreateString(declaration, true);
}

const std::string& Document() {
    static const std::string text = GaugeText(2000);
    return text;
}

void BM_ParseGauge(benchmark::State& state) {
    const std::string& text = Document();
    for (auto _ : state) {
        dw::XmlResults results;
        dw::XmlNode gauge = dw::ParseString(text, "gauge", &results);
        benchmark::DoNotOptimize(gauge);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseGauge)->Unit(benchmark::kMillisecond);

void BM_FormatGauge(benchmark::State& state) {
    const dw::XmlNode top = dw::ParseString(Document(), nullptr, nullptr);
    for (auto _ : state) {
        std::string text = dw::CreateString(top, true);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatGauge)->Unit(benchmark::kMillisecond);

void BM_ParseAndFormatGauge(benchmark::State& state) {
    const std::string& text = Document();
    for (auto _ : state) {
        std::string out = dw::CreateString(dw::ParseString(text, nullptr, nullptr), true);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_ParseAndFormatGauge)->Unit(benchmark::kMillisecond);

// ---- Memory ----------------------------------------------------------------------------

std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

// Peak live bytes of the parse (text excluded) per byte of text, and of the parse and the
// formatted write of the result.
void MemoryOfParse(benchmark::State& state, const std::string& text) {
    double parsePeak = 0;
    double roundPeak = 0;
    for (auto _ : state) {
        const long long base = liveBytes.load();
        peakBytes = base;
        {
            dw::XmlResults results;
            dw::XmlNode top = dw::ParseString(text, nullptr, &results);
            if (results.error != 0) state.SkipWithError("parse failed");
            parsePeak = static_cast<double>(peakBytes.load() - base);
            std::string out = dw::CreateString(top, true);
            benchmark::DoNotOptimize(out.data());
        }
        roundPeak = static_cast<double>(peakBytes.load() - base);
    }
    state.counters["parse_x"] = parsePeak / static_cast<double>(text.size());
    state.counters["parse_write_x"] = roundPeak / static_cast<double>(text.size());
}

std::string Repeated(const std::string& piece, std::size_t bytes) {
    std::string text = "<r>";
    while (text.size() < bytes) text += piece;
    return text + "</r>";
}

void BM_MemoryGauge(benchmark::State& state) {
    MemoryOfParse(state, Document());
}
// 20 MB of the smallest tags there are.
void BM_MemoryTinyTags(benchmark::State& state) {
    static const std::string text = Repeated("<a/>", 20 << 20);
    MemoryOfParse(state, text);
}
void BM_MemoryNestedTags(benchmark::State& state) {
    static const std::string text = Repeated("<a><b></b></a>", 20 << 20);
    MemoryOfParse(state, text);
}
void BM_MemoryBareAttributes(benchmark::State& state) {
    static const std::string text = Repeated("<a b c d e f g h i j k l m n o p/>", 20 << 20);
    MemoryOfParse(state, text);
}
void BM_MemoryDistinctNames(benchmark::State& state) {
    static const std::string text = [] {
        std::string t = "<r>";
        for (int i = 0; t.size() < (20u << 20); ++i) t += "<n" + std::to_string(i) + "/>";
        return t + "</r>";
    }();
    MemoryOfParse(state, text);
}
BENCHMARK(BM_MemoryGauge)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MemoryTinyTags)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MemoryNestedTags)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MemoryBareAttributes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MemoryDistinctNames)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// The counting allocator: each block carries its size in front of it.
namespace {
constexpr std::size_t kHeader = 16;
void* CountedNew(std::size_t size) {
    void* block = std::malloc(size + kHeader);
    if (!block) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    const long long now =
        liveBytes.fetch_add(static_cast<long long>(size)) + static_cast<long long>(size);
    long long peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(block) + kHeader;
}
void CountedDelete(void* pointer) {
    if (!pointer) return;
    void* block = static_cast<char*>(pointer) - kHeader;
    liveBytes.fetch_sub(static_cast<long long>(*static_cast<std::size_t*>(block)));
    std::free(block);
}
}  // namespace

void* operator new(std::size_t size) {
    return CountedNew(size);
}
void* operator new[](std::size_t size) {
    return CountedNew(size);
}
void operator delete(void* pointer) noexcept {
    CountedDelete(pointer);
}
void operator delete[](void* pointer) noexcept {
    CountedDelete(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    CountedDelete(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    CountedDelete(pointer);
}

BENCHMARK_MAIN();
