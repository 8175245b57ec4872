// CGaugeDocument: Gauge > Import from FS, which replaces the gauge by the bitmaps of an MS-FS
// XML gauge.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "files/FsArtLocator.h"
#include "files/FsGaugeSource.h"
#include "files/GaugePaths.h"
#include "files/GaugeVersion.h"
#include "files/Paths.h"
#include "model/CGaugeDocument.h"
#include "model/FsGaugeImport.h"
#include "model/WorkingFolderChange.h"

namespace dw {

namespace {

constexpr const char* kImportTitle = "Import FS Gauge";
constexpr const char* kImportNotice =
    "Please, take note that this is an experimental option that does not implement all the "
    "options that you can find on a FS XML gauge.\r\n\r\nAt this moment, this only can read, "
    "and import, some options of the grafic information of the gauge.";

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Reads the source as any XML file is opened (the character mode from its first bytes). A file
// that does not parse, or whose first element is not "SimBase.Document", is reported by
// OpenFileHelper with the XML layer's message; the result is then empty.
XmlNode OpenFsDocument(const std::string& onDisk, IInteraction& ui) {
    if (std::FILE* file = std::fopen(onDisk.c_str(), "rb")) {
        char start[200];
        const std::size_t count = std::fread(start, 1, sizeof start, file);
        std::fclose(file);
        SetCharMode(GuessUtf8(start, count, true) ? CharMode::Utf8 : CharMode::SingleByte);
    }
    XmlResults results;
    XmlNode top = ParseFile(onDisk, nullptr, &results);
    if (results.error == kXmlNoError && !FindFsRoot(top).IsEmpty()) return top;
    return OpenFileHelper(onDisk, kFsRootTag, ui);
}

std::string AbsoluteFolderOf(const std::string& path) {
    std::string folder = SplitAtLastSeparator(path).folder;
    if (folder.empty() && !path.empty() && path[0] == '/') folder = "/";
    std::error_code ec;
    const std::filesystem::path absolute =
        std::filesystem::absolute(std::filesystem::path(folder.empty() ? "." : folder), ec);
    return ec ? folder : absolute.lexically_normal().string();
}

// The source's own file name with ".dwl" instead of its extension, in folder.
std::string ImportedGaugePath(const std::string& fileName, const std::string& folder) {
    std::string name = SplitAtLastSeparator(Trimmed(fileName)).name;
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    if (name.empty() || name == "." || name == "..") return std::string();
    return LowerLatin1((folder.ends_with('/') ? folder : folder + "/") + name + ".dwl");
}

}  // namespace

bool CGaugeDocument::ImportFsGauge() {
    if (!AskSaveChanges()) return false;
    ui.ShowMessage({kImportTitle, kImportNotice, Buttons::Ok, Icon::Warning, false});
    host.RecordUndo(kUndoImportFs);
    FileRequest request;
    request.title = "Import a MS-FSn Xml Gauge";
    request.filter = "MS-FS Gauges (*.xml)|*.xml|All (*.*)|*.*||";
    request.initialName = "*.xml";
    request.mustExist = true;
    const std::optional<std::string> chosen = ui.ChooseFile(request);
    if (!chosen) return false;
    return ImportFsGaugeFile(LowerLatin1(*chosen));
}

bool CGaugeDocument::ImportFsGaugeFile(const std::string& path, const std::string& workingFolder,
                                       FsImportReport* report) {
    const std::string onDisk = GaugeFileOnDisk(path);
    const XmlNode top = OpenFsDocument(onDisk, ui);
    if (top.IsEmpty()) return false;

    const GaugeLimits& limits = reader.Limits();
    FsSourceLimits sourceLimits;
    sourceLimits.maxImages =
        static_cast<std::size_t>(std::max<std::int64_t>(limits.maxElements, 0));
    const FsGaugeSource source = DescribeFsDocument(top, sourceLimits);
    if (!source.IsSupportedVersion()) {
        ui.ShowMessage({kInvalidFormatTitle,
                        "The file " + path +
                            " you are loading is incompatible with this version of "
                            "Dialwright.\r\n\r\nIt's on " +
                            source.version + " version and, must be on " + kFsVersion +
                            " version, or on a newest one.",
                        Buttons::Ok, Icon::Error, false});
        return false;
    }
    if (source.truncated) {
        ui.ShowMessage({kImportTitle,
                        "The file " + path + " holds more than " +
                            std::to_string(limits.maxElements) +
                            " images, more than a gauge may have.\r\nNothing was imported.",
                        Buttons::Ok, Icon::Error, false});
        return false;
    }

    // The bitmaps are stored relative to the folder the imported gauge belongs to.
    WorkingFolderChange folder(workingFolder.empty() ? GaugeWorkingFolder(path)
                                                     : LowerLatin1(workingFolder));
    FsArtLocator locator(source.artDirectory, AbsoluteFolderOf(onDisk), WorkingFolder());
    FsImportBuild build =
        FsGaugeImporter(reader.Factory(), limits, host.ElementOwner()).Build(source, locator);
    folder.Keep();

    gaugeName = source.gaugeName;
    gaugePath = ImportedGaugePath(source.fileName, WorkingFolder());
    host.SetTitle(TitleFor(gaugeName));
    modified = false;
    fps = 10;
    if (backColor != 0) {
        backColor = 0;
        host.BackgroundChanged(backColor);
    }
    elements = std::move(build.elements);
    host.Repaint();
    host.UpdateMenuStates();
    if (report) *report = std::move(build.report);
    return true;
}

}  // namespace dw
