// Loading, saving and snapshotting a gauge of 2000 elements (texts and basic graphs), as
// the editor does: Open, Save and the undo snapshot that precedes every editing action.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "GaugeBenchmarkMain.h"
#include "model/CGaugeDocument.h"
#include "model/ElementFactory.h"
#include "model/HeadlessGaugeHost.h"
#include "platform/Clipboard.h"
#include "platform/DecliningInteraction.h"
#include "render/CPrimitive.h"
#include "render/CText.h"
#include "runtime/ElementKinds.h"

namespace {

constexpr int kElements = 2000;

class MemoryClipboard : public dw::IClipboard {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};

struct Session {
    dw::DecliningInteraction ui;
    MemoryClipboard clipboard;
    dw::HeadlessGaugeHost host;
    dw::CGaugeDocument document{ui, clipboard, host};
};

std::string Folder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "dw-bench-gauge";
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

// A gauge of small texts and basic graphs laid out on a grid, half of each.
void Fill(dw::CGaugeDocument& doc) {
    const char* shapes[] = {"FillRect", "Pie", "ArcTo", "Radius", "Scale"};
    for (int i = 0; i < kElements; ++i) {
        const int x = (i % 50) * 30;
        const int y = (i / 50) * 20;
        if (i % 2 == 0) {
            auto text = std::make_unique<dw::CText>(nullptr, dw::Rect{x, y, x + 60, y + 18});
            text->name = "Value " + std::to_string(i);
            text->text = std::to_string(i * 7);
            text->mainProgram = "link offset " + std::to_string(i % 1196) + " server 1\r\n";
            doc.elements.Append(std::move(text));
        } else {
            auto shape = std::make_unique<dw::CPrimitive>(nullptr, dw::Rect{x, y, x + 40, y + 40});
            shape->SetSubtype(shapes[i % 5]);
            shape->name = "Shape " + std::to_string(i);
            shape->ang2 = 270.0f;
            shape->mainProgram = "None\r\n";
            doc.elements.Append(std::move(shape));
        }
    }
    doc.gaugeName = "Benchmark";
}

const std::string& SavedGauge() {
    static const std::string path = [] {
        Session s;
        Fill(s.document);
        s.document.gaugePath = Folder() + "/bench.dwl";
        if (!s.document.WriteGauge()) std::abort();
        return s.document.gaugePath;
    }();
    return path;
}

void BM_LoadGauge(benchmark::State& state) {
    const std::string path = SavedGauge();
    for (auto _ : state) {
        Session s;
        s.document.gaugePath = path;
        if (!s.document.LoadGauge(false)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(s.document.elements.Count());
        state.PauseTiming();  // destroying the elements is not part of loading
        s.document.elements.Clear();
        state.ResumeTiming();
    }
}

void BM_SaveGauge(benchmark::State& state) {
    Session s;
    s.document.gaugePath = SavedGauge();
    if (!s.document.LoadGauge(false)) state.SkipWithError("load failed");
    s.document.gaugePath = Folder() + "/saved.dwl";
    for (auto _ : state) {
        if (!s.document.WriteGauge()) state.SkipWithError("save failed");
    }
}

void BM_UndoSnapshot(benchmark::State& state) {
    Session s;
    s.document.gaugePath = SavedGauge();
    if (!s.document.LoadGauge(false)) state.SkipWithError("load failed");
    for (auto _ : state) benchmark::DoNotOptimize(s.document.SnapshotText());
}

void BM_RestoreSnapshot(benchmark::State& state) {
    Session s;
    s.document.gaugePath = SavedGauge();
    if (!s.document.LoadGauge(false)) state.SkipWithError("load failed");
    const std::string snapshot = s.document.SnapshotText();
    for (auto _ : state) {
        if (!s.document.RestoreSnapshot(snapshot)) state.SkipWithError("restore failed");
    }
}

// Undo after an edit of every element (all moved): nothing of the gauge can be kept.
void BM_RestoreSnapshotAllChanged(benchmark::State& state) {
    Session s;
    s.document.gaugePath = SavedGauge();
    if (!s.document.LoadGauge(false)) state.SkipWithError("load failed");
    const std::string before = s.document.SnapshotText();
    for (dw::CElement& element : s.document.elements) element.MoveBy(1, 0);
    const std::string after = s.document.SnapshotText();
    bool undo = true;
    for (auto _ : state) {
        if (!s.document.RestoreSnapshot(undo ? before : after))
            state.SkipWithError("restore failed");
        undo = !undo;
    }
}

// Undo after an edit of one element out of 2000.
void BM_RestoreSnapshotOneChanged(benchmark::State& state) {
    Session s;
    s.document.gaugePath = SavedGauge();
    if (!s.document.LoadGauge(false)) state.SkipWithError("load failed");
    const std::string before = s.document.SnapshotText();
    s.document.elements.At(1000)->MoveBy(5, 5);
    const std::string after = s.document.SnapshotText();
    bool undo = true;
    for (auto _ : state) {
        if (!s.document.RestoreSnapshot(undo ? before : after))
            state.SkipWithError("restore failed");
        undo = !undo;
    }
}

BENCHMARK(BM_LoadGauge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGauge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreSnapshotAllChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreSnapshotOneChanged)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunGaugeBenchmarks(argc, argv);
}
