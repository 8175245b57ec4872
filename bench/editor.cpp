// The editor window's hot paths: repainting the canvas of a 500-element gauge, one mouse-move
// step dragging 100 selected elements (the invalidated area repainted), and the undo snapshot
// of a 2000-element gauge taken before every editing action.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <map>
#include <memory>

#include "editor/CDialwrightDlg.h"
#include "model/ElementFactory.h"
#include "platform/Clipboard.h"
#include "platform/DecliningInteraction.h"
#include "runtime/ElementKinds.h"
#include "script/ScriptEngine.h"

namespace {

class MemoryStore : public dw::ISettingsStore {
public:
    std::int32_t ReadInt(const std::string& s, const std::string& k,
                         std::int32_t d) const override {
        const auto it = values.find(s + "/" + k);
        return it == values.end() ? d : std::stoi(it->second);
    }
    std::string ReadString(const std::string& s, const std::string& k,
                           const std::string& d) const override {
        const auto it = values.find(s + "/" + k);
        return it == values.end() ? d : it->second;
    }
    void WriteInt(const std::string& s, const std::string& k, std::int32_t v) override {
        values[s + "/" + k] = std::to_string(v);
    }
    void WriteString(const std::string& s, const std::string& k, const std::string& v) override {
        values[s + "/" + k] = v;
    }
    std::map<std::string, std::string> values;
};

class MemoryClipboard : public dw::IClipboard {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};

// An editor window of 1200 x 760 holding `count` texts and basic graphs of 40 x 30 pixels
// spread over the canvas in rows.
struct Editor {
    explicit Editor(int count) {
        dw::RegisterAllKinds(dw::ElementFactory::Instance());
        dw::InstallScriptEngine();
        store.WriteInt("ZEKO", "Rect_Left", 0);
        store.WriteInt("ZEKO", "Rect_Top", 0);
        store.WriteInt("ZEKO", "Rect_Right", 1200);
        store.WriteInt("ZEKO", "Rect_Bottom", 760);
        window = std::make_unique<dw::CDialwrightDlg>(
            dw::EditorEnvironment{ui, clipboard, store, "."}, dw::EditorServices{});
        window->Start({});
        const auto& factory = dw::ElementFactory::Instance();
        for (int i = 0; i < count; ++i) {
            const int x = (i % 25) * 45 + 5;
            const int y = (i / 25) % 20 * 35 + 5;
            const dw::Rect r{x, y, x + 40, y + 30};
            auto element = factory.Create(i % 2 ? "text" : "primitive", window.get(), r);
            element->mainProgram = "link offset " + std::to_string(i % 1196) + " server 1\r\n";
            window->Document().elements.Append(std::move(element));
        }
        QApplication::processEvents();
    }
    void Send(QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
        QWidget& canvas = window->Canvas();
        QMouseEvent event(type, p, canvas.mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    }

    dw::DecliningInteraction ui;
    MemoryClipboard clipboard;
    MemoryStore store;
    std::unique_ptr<dw::CDialwrightDlg> window;
};

void BM_RepaintCanvas500(benchmark::State& state) {
    Editor editor(500);
    QWidget& canvas = editor.window->Canvas();
    for (auto _ : state) canvas.repaint();
    state.counters["elements"] = 500;
}
BENCHMARK(BM_RepaintCanvas500)->Unit(benchmark::kMillisecond);

void BM_DragStep100Selected(benchmark::State& state) {
    Editor editor(500);
    // Select the first 100 (four rows) and press on one of them.
    for (int i = 0; i < 100; ++i) editor.window->Document().elements.At(i)->Select(true);
    editor.Send(QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        const QPoint p(10 + (step % 2 ? 3 : 0), 10 + (step % 2 ? 2 : 0));
        ++step;
        editor.Send(QEvent::MouseMove, p, Qt::LeftButton);
        QApplication::processEvents();  // the repaint of what the step invalidated
    }
    editor.Send(QEvent::MouseButtonRelease, QPoint(10, 10), Qt::NoButton);
}
BENCHMARK(BM_DragStep100Selected)->Unit(benchmark::kMillisecond);

void BM_UndoSnapshot2000(benchmark::State& state) {
    Editor editor(2000);
    for (auto _ : state) benchmark::DoNotOptimize(editor.window->Document().SnapshotText());
}
BENCHMARK(BM_UndoSnapshot2000)->Unit(benchmark::kMillisecond);

void BM_UndoRestore2000(benchmark::State& state) {
    Editor editor(2000);
    const std::string snapshot = editor.window->Document().SnapshotText();
    for (auto _ : state) editor.window->Document().RestoreSnapshot(snapshot);
}
BENCHMARK(BM_UndoRestore2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
