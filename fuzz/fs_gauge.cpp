// Fuzz target of the MS-FS gauge import: any text must be described within the bounds or
// refused with an error code, and importing it through the document must build at most one
// element per described bitmap or leave the gauge untouched, never crash, hang or grow without
// bound. The source lies in a folder of its own holding two small bitmaps, so that found and
// missing bitmaps both occur.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "GaugeFuzzing.h"
#include "files/FsGaugeSource.h"
#include "files/GaugeLimits.h"
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

class NoClipboard : public dw::IClipboard {
public:
    std::string Text() const override { return std::string(); }
    void SetText(const std::string&) override {}
};

// Smaller than the program's limits, so that one input stays within the fuzzer's memory.
dw::GaugeLimits FuzzLimits() {
    dw::GaugeLimits limits;
    limits.maxElements = 500;
    limits.maxElementSide = 256;
    return limits;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// A 2 x 2 black 24-bit BMP.
std::string SmallBmp() {
    std::string bmp(
        "BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0"
        "\0\0\0\0\x10\0\0\0\x13\x0B\0\0\x13\x0B\0\0\0\0\0\0\0\0\0\0",
        54);
    return bmp + std::string(16, '\0');
}

const std::string& Folder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("dw-fuzz-fs-" + std::to_string(static_cast<long>(getpid())));
        std::filesystem::create_directories(path / "Art");
        WriteFile((path / "Art" / "Dial.bmp").string(), SmallBmp());
        WriteFile((path / "needle.BMP").string(), SmallBmp());
        return path.string();
    }();
    return folder;
}

void Describe(const std::string& text) {
    dw::FsSourceLimits limits;
    limits.maxImages = 500;
    limits.maxDepth = 16;
    limits.maxNotes = 50;
    dw::FsGaugeSource source;
    dw::XmlResults results;
    if (!dw::ParseFsGauge(text, source, &results, limits)) {
        Check(results.error != 0);
        return;
    }
    Check(source.images.size() <= limits.maxImages);
    Check(source.skipped.size() <= limits.maxNotes);
    for (const dw::FsGaugeImage& image : source.images) Check(!image.imageName.empty());
}

void Import(const std::string& text) {
    const std::string path = Folder() + "/gauge.xml";
    if (!WriteFile(path, text)) return;
    dw::DecliningInteraction ui;
    NoClipboard clipboard;
    dw::HeadlessGaugeHost host;
    dw::CGaugeDocument document(ui, clipboard, host, nullptr, dw::ElementFactory::Instance(),
                                FuzzLimits());
    dw::FsImportReport report;
    if (!document.ImportFsGaugeFile(path, Folder(), &report)) {
        Check(document.elements.Empty() && document.backColor == dw::kDefaultBackColour);
        return;
    }
    Check(document.elements.Count() == report.imported.size());
    Check(document.elements.Count() <= 500);
    Check(document.fps == 10 && document.backColor == 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartGaugeFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Describe(text);
    Import(text);
    return 0;
}
