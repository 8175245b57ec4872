// Speed of the XML layer on a gauge-like document of 2000 elements: parsing, formatting,
// and a whole load-and-save round.
#include <benchmark/benchmark.h>

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

}  // namespace

BENCHMARK_MAIN();
