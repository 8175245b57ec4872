// Fuzz target of the gauge format: any text read as a gauge file, a clipboard fragment or an
// undo snapshot must load completely or not at all, never crash, hang or grow without
// bound; whatever loads must write out, load again and write out to the same text.
//
// The first byte picks the document: 0 gauge file (opened through the document from a
// file), 1 clipboard fragment (pasted), 2 undo snapshot (restored). The rest is the text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "GaugeFuzzing.h"
#include "files/GaugeLimits.h"
#include "files/XmlNode.h"
#include "model/CGaugeDocument.h"
#include "model/ElementFactory.h"
#include "model/HeadlessGaugeHost.h"
#include "model/SurfaceBudget.h"
#include "platform/DecliningInteraction.h"
#include "runtime/ElementKinds.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

class MemoryClipboard : public dw::IClipboard {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};

// Fewer elements than the program allows, so that one input stays within the fuzzer's
// time; the surface budget (set small at start-up) keeps it within the fuzzer's memory.
dw::GaugeLimits FuzzLimits() {
    dw::GaugeLimits limits;
    limits.maxElements = 2000;
    return limits;
}

struct Session {
    dw::DecliningInteraction ui;
    MemoryClipboard clipboard;
    dw::HeadlessGaugeHost host;
    dw::CGaugeDocument document{
        ui, clipboard, host, nullptr, dw::ElementFactory::Instance(), FuzzLimits()};
};

std::string FilePath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() /
         ("dw-fuzz-gauge-" + std::to_string(static_cast<long>(getpid())) + ".dwl"))
            .string();
    return path;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

std::string FileText(const Session& s) {
    return dw::CreateString(s.document.FileDocument(), true);
}

void FuzzFile(const std::string& text) {
    if (!WriteFile(FilePath(), text)) return;
    Session first;
    first.document.gaugePath = FilePath();
    if (!first.document.LoadGauge(false)) {
        Check(first.document.elements.Empty());
        return;
    }
    const std::string written = FileText(first);
    if (!WriteFile(FilePath(), written)) return;
    Session second;
    second.document.gaugePath = FilePath();
    Check(second.document.LoadGauge(false));
    Check(second.document.elements.Count() == first.document.elements.Count());
    Check(FileText(second) == written);
}

void FuzzFragment(const std::string& text) {
    Session s;
    s.clipboard.text = text;
    const bool pasted = s.document.PasteFragment();
    Check(pasted || s.document.elements.Empty());
    if (pasted) Check(s.document.ClipboardHasFragment());
}

void FuzzSnapshot(const std::string& text) {
    Session first;
    if (!first.document.RestoreSnapshot(text)) return;
    const std::string snapshot = first.document.SnapshotText();
    Session second;
    Check(second.document.RestoreSnapshot(snapshot));
    Check(second.document.SnapshotText() == snapshot);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartGaugeFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
        case 0:
            FuzzFile(text);
            break;
        case 1:
            FuzzFragment(text);
            break;
        default:
            FuzzSnapshot(text);
            break;
    }
    return 0;
}
