// dwtool import-fs IN.xml OUT.dwl: imports the MS-FS XML gauge IN as Gauge > Import from FS
// does and writes the result to OUT as Gauge > Save does. The folder of OUT is the working
// folder of the import, so the bitmaps are stored relative to it. Lists what was imported,
// what was left out and which bitmaps were not found; the exit code is 1 when IN is refused
// or OUT can't be written.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "GaugeSession.h"
#include "Verb.h"
#include "files/GaugePaths.h"
#include "platform/IniSettingsStore.h"
#include "platform/OverlaySettingsStore.h"
#include "render/RenderServices.h"

namespace dwtool {
namespace {

constexpr const char* kUsage = "import-fs IN.xml OUT.dwl";

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

void PrintSection(std::string& out, const char* title, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    out += title;
    for (const std::string& line : lines) out += "  " + line + "\n";
}

int RunImportFs(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0].empty() || args[1].empty() || args[0][0] == '-' ||
        args[1][0] == '-') {
        std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
        return 2;
    }
    // Image search folders come from the user's settings; nothing is written back.
    const std::unique_ptr<dw::IniSettingsStore> userSettings =
        dw::IniSettingsStore::OpenUserStore();
    dw::OverlaySettingsStore settings(*userSettings);
    dw::InstallRenderServices({nullptr, &settings});  // the session asks on the console

    const std::string output = Absolute(args[1]);
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::path(output).parent_path(), ec)) {
        std::fprintf(stderr, "dwtool import-fs: the folder of '%s' does not exist\n",
                     args[1].c_str());
        return 1;
    }
    GaugeSession session;
    dw::FsImportReport report;
    if (!session.Document().ImportFsGaugeFile(args[0], dw::GaugeWorkingFolder(output), &report)) {
        dw::InstallRenderServices({});
        return 1;
    }
    const bool saved = session.Save(output);
    dw::InstallRenderServices({});
    if (!saved) return 1;

    std::string out = "imported " + std::to_string(report.imported.size()) +
                      " image element(s) of gauge \"" + session.Document().gaugeName + "\" into " +
                      args[1] + "\n";
    PrintSection(out, "left out:\n", report.skipped);
    PrintSection(out, "bitmaps not found:\n", report.missing);
    PrintSection(out, "elements:\n", report.imported);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

// Registered by hand: the verb's name holds a hyphen.
static const VerbRegistration importFsVerb{
    Verb{"import-fs", kUsage, "import an MS-FS XML gauge's bitmaps into a new gauge", RunImportFs}};

}  // namespace dwtool
