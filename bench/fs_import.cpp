// Importing a large MS-FS XML gauge as Gauge > Import from FS does: 700 elements naming 70
// bitmaps in several letter cases, with rotations, expressions and comments around them as
// real gauges have, about 700 KB of XML; and reading the same text into the import's
// description alone.
#include <benchmark/benchmark.h>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "GaugeBenchmarkMain.h"
#include "files/FsGaugeSource.h"
#include "model/CGaugeDocument.h"
#include "model/ElementFactory.h"
#include "model/HeadlessGaugeHost.h"
#include "platform/DecliningInteraction.h"
#include "runtime/ElementKinds.h"

namespace {

constexpr int kElements = 700;
constexpr int kBitmaps = 70;

class NoClipboard : public dw::IClipboard {
public:
    std::string Text() const override { return std::string(); }
    void SetText(const std::string&) override {}
};

std::string Folder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "dw-bench-fs-import";
        std::filesystem::create_directories(path / "Art");
        return path.string();
    }();
    return folder;
}

std::string Element(int i) {
    const std::string bitmap =
        (i % 3 == 0 ? "PART" : "Part") + std::to_string(i % kBitmaps) + (i % 2 ? ".bmp" : ".BMP");
    std::string e = "        <!-- element " + std::to_string(i) + " -->\n";
    e += "        <Element id=\"Element" + std::to_string(i) + "\">\n";
    e += "            <FloatPosition>" + std::to_string(i % 40 * 16) + ".000," +
         std::to_string(i / 40 * 24) + ".000</FloatPosition>\n";
    e += "            <Image id=\"" + bitmap + "\" Name=\"" + bitmap + "\">\n";
    e += "                <Transparent>True</Transparent>\n";
    e += "                <Axis>8.000,8.000</Axis>\n            </Image>\n";
    e += "            <Rotation id=\"Rotation\">\n                <PointsTo>NORTH</PointsTo>\n";
    for (int k = 0; k < 2; ++k) {
        e += "                <Expression id=\"Expression\">\n";
        e += "                    <Minimum>0.000</Minimum>\n";
        e += "                    <Maximum>360.000</Maximum>\n";
        e += "                    <Script>(A:Indicated Altitude, feet) 100 / 360 % d 0 &lt; if{ "
             "360 + } (L:Var" +
             std::to_string(i) + ", number) + dnor</Script>\n";
        e += "                </Expression>\n";
    }
    e += "            </Rotation>\n        </Element>\n";
    return e;
}

const std::string& Source() {
    static const std::string path = [] {
        QImage part(16, 16, QImage::Format_RGB32);
        part.fill(0x30A050);
        for (int b = 0; b < kBitmaps; ++b)
            part.save(QString::fromStdString(Folder() + "/Art/part" + std::to_string(b) + ".bmp"));
        QImage panel(640, 480, QImage::Format_RGB32);
        panel.fill(0x202020);
        panel.save(QString::fromStdString(Folder() + "/Art/Panel.bmp"));
        std::string xml =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SimBase.Document Type=\"AceXML\" "
            "version=\"1,0\" id=\"Bench\">\n    <Descr>AceXML Document</Descr>\n    "
            "<Filename>Bench.xml</Filename>\n    <SimGauge.Gauge id=\"Bench\" "
            "ArtDirectory=\"C:\\Build\\Panel\\Art\">\n        <FloatPosition>0.000,0.000"
            "</FloatPosition>\n        <Size>640,480</Size>\n        <Image id=\"Panel.bmp\" "
            "Name=\"PANEL.BMP\"/>\n";
        for (int i = 0; i < kElements; ++i) xml += Element(i);
        xml += "    </SimGauge.Gauge>\n</SimBase.Document>\n";
        const std::string file = Folder() + "/Bench.xml";
        std::ofstream(file, std::ios::binary) << xml;
        return file;
    }();
    return path;
}

void BM_ImportFsGauge(benchmark::State& state) {
    const std::string path = Source();
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    for (auto _ : state) {
        dw::DecliningInteraction ui;
        NoClipboard clipboard;
        dw::HeadlessGaugeHost host;
        dw::CGaugeDocument document(ui, clipboard, host);
        if (!document.ImportFsGaugeFile(path)) state.SkipWithError("import failed");
        if (document.elements.Count() != kElements + 1) state.SkipWithError("elements missing");
        state.PauseTiming();  // destroying the elements is not part of importing
        document.elements.Clear();
        state.ResumeTiming();
    }
}

void BM_DescribeFsGauge(benchmark::State& state) {
    std::ifstream in(Source(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : state) {
        dw::FsGaugeSource source;
        if (!dw::ParseFsGauge(text, source, nullptr)) state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(source.images.size());
    }
}

BENCHMARK(BM_ImportFsGauge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DescribeFsGauge)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunGaugeBenchmarks(argc, argv);
}
