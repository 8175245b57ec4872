// CGaugeDocument: construction and the file commands (New, Open, Save, Save As, Insert a
// saved gauge, the save prompt and writing). Loading is in CGaugeDocumentLoad.cpp, the
// clipboard and undo texts in CGaugeDocumentClipboard.cpp.
#include "model/CGaugeDocument.h"

#include <new>

#include "files/AtomicFile.h"
#include "files/GaugePaths.h"
#include "files/GaugeSkeleton.h"
#include "files/Paths.h"
#include "model/GaugeWriter.h"
#include "platform/AppSettings.h"
#include "platform/ProgramPaths.h"

namespace dw {

namespace {

MessageRequest Question(const char* title, const char* text, Buttons buttons) {
    return MessageRequest{title, text, buttons, Icon::Question, false};
}

}  // namespace

CGaugeDocument::CGaugeDocument(IInteraction& ui, IClipboard& clipboard, IGaugeHost& host,
                               ISettingsStore* settings, const ElementFactory& factory,
                               GaugeLimits limits)
    : ui(ui), clipboard(clipboard), host(host), settings(settings), reader(factory, limits) {
    const AppSettings defaults;
    link1 = defaults.link1;
    link2 = defaults.link2;
}

std::string CGaugeDocument::TitleFor(const std::string& name) {
    return "ZEKO Dialwright - " + name;
}

bool CGaugeDocument::AskSaveChanges() {
    if (!modified) return true;
    const Answer answer = ui.ShowMessage(
        Question("Save before exit...",
                 "You have made some changes.\r\nDo you want to save them before exit?",
                 Buttons::YesNoCancel));
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) return SaveGauge() != SaveOutcome::Failed;
    return true;
}

bool CGaugeDocument::NewGauge() {
    if (!AskSaveChanges()) return false;
    elements.Clear();
    host.Repaint();
    backColor = kDefaultBackColour;
    host.BackgroundChanged(backColor);
    gaugeName = kNewGaugeName;
    gaugePath.clear();
    runAtStart = false;
    host.SetTitle(TitleFor(gaugeName));
    modified = false;
    aliasFile = settings ? AppSettings::ReadAliasFile(*settings, ProgramFolder())
                         : AppSettings::DefaultAliasFile(ProgramFolder());
    host.ReloadAliasFile(aliasFile);
    host.UpdateMenuStates();
    host.UpdateStatusLine();
    host.EditGaugeProperties();
    return true;
}

bool CGaugeDocument::OpenGauge() {
    if (!AskSaveChanges()) return false;
    FileRequest request;
    request.title = "Open Gauge";
    request.filter = GaugeFileFilter("All");
    request.initialName = gaugePath;
    request.mustExist = true;
    const std::optional<std::string> chosen = ui.ChooseFile(request);
    if (!chosen) return false;

    const std::string path = LowerLatin1(*chosen);
    if (path == LowerLatin1(gaugePath) && modified) {
        const Answer answer = ui.ShowMessage(
            Question("Warning",
                     "The file you want to open is the one you are editing.\r\nDo you want "
                     "discard changes and back to last saved version?",
                     Buttons::YesNo));
        if (answer != Answer::Yes) return false;
    }
    // A file that can't be loaded leaves the document as it was, its path included, so that
    // the next save does not overwrite the file that failed.
    const std::string previous = gaugePath;
    gaugePath = path;
    if (LoadGauge(false)) return true;
    gaugePath = previous;
    return false;
}

CGaugeDocument::SaveOutcome CGaugeDocument::SaveGauge() {
    if (gaugePath.empty()) return SaveGaugeAs();
    return WriteGauge() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

CGaugeDocument::SaveOutcome CGaugeDocument::SaveGaugeAs() {
    FileRequest request;
    request.save = true;
    request.title = "Save Gauge as...";
    request.filter = GaugeFileFilter("Todos");
    request.initialName = gaugePath;
    request.overwritePrompt = false;
    const std::optional<std::string> chosen = ui.ChooseFile(request);
    if (!chosen) return SaveOutcome::Cancelled;
    gaugePath = SaveAsPath(*chosen);
    return WriteGauge() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool CGaugeDocument::InsertGauge() {
    FileRequest request;
    request.title = "Insertar otro Gauge";
    request.filter = GaugeFileFilter("Todos");
    request.initialName = gaugePath;
    request.mustExist = true;
    const std::optional<std::string> chosen = ui.ChooseFile(request);
    if (!chosen) return false;
    host.RecordUndo(kUndoInsertGauge);
    const std::string saved = gaugePath;
    gaugePath = LowerLatin1(*chosen);
    const bool loaded = LoadGauge(true);
    gaugePath = saved;
    host.UpdateStatusLine();
    return loaded;
}

void CGaugeDocument::SaveSettings() {
    if (!settings) return;
    AppSettings values;
    values.backColor = backColor;
    values.link1 = link1;
    values.link2 = link2;
    const WindowPlacement window = host.CurrentPlacement();
    const AppSettings::WindowRect rect{window.x, window.y, window.x + window.width,
                                       window.y + window.height};
    values.Save(*settings, gaugePath, rect, window.maximized);
}

XmlNode CGaugeDocument::FileDocument() const {
    GaugeProperties properties;
    properties.name = gaugeName;
    properties.fps = fps;
    properties.window = host.CurrentPlacement();
    properties.backColor = backColor;
    properties.runAtStart = runAtStart;
    properties.aliasFile = aliasFile;
    properties.customColors = customColors;
    return GaugeWriter::GaugeFile(properties, link1, link2, elements);
}

bool CGaugeDocument::WriteGauge() {
    SaveSettings();
    AtomicWriteResult written;
    try {
        written = WriteFileAtomically(GaugeFileOnDisk(gaugePath), GaugeFileBytes(FileDocument()));
    } catch (const std::bad_alloc&) {
        written.ok = false;
        written.error = "There is not enough memory to write it.";
    }
    if (!written.ok) {
        ui.ShowMessage({"Save Gauge",
                        "The gauge could not be saved to the file " + gaugePath + ".\r\n" +
                            written.error +
                            "\r\nAny earlier version of the file was left as it was.",
                        Buttons::Ok, Icon::Error, false});
        return false;
    }
    modified = false;
    return true;
}

}  // namespace dw
