// CGaugeDocument: reading a gauge file, to open it or to insert it into the gauge.
#include <optional>

#include "files/GaugePaths.h"
#include "files/GaugeProperties.h"
#include "files/GaugeSkeleton.h"
#include "files/GaugeVersion.h"
#include "files/Paths.h"
#include "model/CGaugeDocument.h"
#include "model/SurfaceBudget.h"
#include "model/WorkingFolderChange.h"

namespace dw {

namespace {

// Delay between opening a gauge set to run at start and its Run.
constexpr int kRunAtStartDelayMs = 250;

}  // namespace

void CGaugeDocument::ReportUnreadable(const std::string& path, const ElementsRead& read) {
    ui.ShowMessage({"Error",
                    "The file " + path + " could not be loaded: " + read.Reason() +
                        ".\r\nThe gauge was left as it was.",
                    Buttons::Ok, Icon::Error, false});
}

bool CGaugeDocument::LoadGaugeFile(bool insert) {
    const XmlNode root = OpenFileHelper(GaugeFileOnDisk(gaugePath), kGaugeRootTag, ui);
    if (root.IsEmpty()) return false;

    // Relative image and audio paths are found from the gauge's folder, also while the
    // elements are built.
    WorkingFolderChange folder(GaugeWorkingFolder(gaugePath));

    const GaugeHeader header = ReadGaugeHeader(root);
    if (IsNewerFormat(header.version)) {
        ui.ShowMessage({kInvalidFormatTitle, NewerFileMessage(gaugePath, header.version),
                        Buttons::Ok, Icon::Error, false});
        return false;
    }
    ElementsRead read;
    {
        // Opening replaces the elements: theirs is the memory the new ones will have.
        std::optional<SurfaceBudget::ReplacementScope> replacing;
        if (!insert) {
            std::int64_t outgoing = 0;
            for (const CElement& element : elements) outgoing += element.SurfaceBytes();
            replacing.emplace(outgoing);
        }
        read = reader.ReadElements(root, host.ElementOwner());
    }
    if (!read.Ok()) {
        ReportUnreadable(gaugePath, read);
        return false;
    }
    folder.Keep();

    const GaugeProperties& file = header.properties;
    if (header.hasColoursAndAlias) {
        customColors = file.customColors;
        aliasFile = file.aliasFile;
        host.ReloadAliasFile(aliasFile);
    }
    if (insert) {
        ++groupCounter;
        for (CElement& element : read.elements) element.SetGroup(groupCounter);
        elements.AppendList(std::move(read.elements));
        modified = true;
    } else {
        host.SetTitle(TitleFor(file.name));
        modified = false;
        gaugeName = file.name;
        fps = file.fps;
        if (file.backColor != backColor) {
            backColor = file.backColor;
            host.BackgroundChanged(backColor);
        }
        if (header.link1) link1 = *header.link1;
        if (header.link2) link2 = *header.link2;
        runAtStart = file.runAtStart;
        elements = std::move(read.elements);
    }
    host.Repaint();
    host.UpdateMenuStates();

    if (!insert) {
        if (header.hasWindow) {
            host.RestorePlacement(file.window);
            modified = false;
        }
        if (runAtStart) host.StartRunTimer(kRunAtStartDelayMs);
    }
    return true;
}

}  // namespace dw
