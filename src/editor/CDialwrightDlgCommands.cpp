// CDialwrightDlg: the commands that open dialogs, Undo and Redo, Run, and the Help menu.
#include <QMessageBox>

#include "editor/CAboutDlg.h"
#include "editor/CDialwrightDlg.h"
#include "editor/CKeyConfigDlg.h"
#include "editor/EditCommands.h"
#include "editor/RunReport.h"
#include "files/GaugeSkeleton.h"
#include "files/GaugeVersion.h"
#include "platform/ProgramPaths.h"
#include "runtime/RecoveryFile.h"

namespace dw {

void CDialwrightDlg::RunGaugeProperties() {
    if (services.dialogs == nullptr) return;
    GaugePropertiesValues values;
    values.gaugePath = document.gaugePath;
    values.name = document.gaugeName;
    values.aliasFile = document.aliasFile;
    values.fps = document.fps;
    values.backColor = document.backColor;
    values.window = CurrentPlacement();
    values.runAtStart = document.runAtStart;
    if (!services.dialogs->EditGaugeProperties(values)) return;

    const bool colourChanged = values.backColor != document.backColor;
    document.backColor = values.backColor;
    document.gaugeName = values.name;
    SetTitle(CGaugeDocument::TitleFor(values.name));
    document.runAtStart = values.runAtStart;
    document.fps = ClampFps(values.fps);
    ReloadAliasFile(values.aliasFile);
    if (colourChanged) {
        BackgroundChanged(values.backColor);
        Repaint();
    }
    if (values.window != CurrentPlacement()) ApplyPlacement(values.window);
    document.modified = true;
}

void CDialwrightDlg::ConfigureServerLinks() {
    if (services.dialogs == nullptr) return;
    GaugeLink link1 = document.link1;
    GaugeLink link2 = document.link2;
    if (!services.dialogs->ConfigureServerLinks(link1, link2)) return;
    document.link1 = link1;
    document.link2 = link2;
    document.modified = true;
}

void CDialwrightDlg::ConfigureHotKeys() {
    CKeyConfigDlg dialog(hotKeys, env.settings, env.ui, this);
    if (dialog.exec() == QDialog::Accepted) LoadHotKeys();
}

void CDialwrightDlg::OpenHelpIndex() {
    const std::string index = JoinPath(env.programFolder, kHelpIndex);
    if (!env.ui.OpenWithDesktop(index))
        env.ui.Message("Help", "The help pages could not be opened:\r\n" + index, Icon::Warning);
}

void CDialwrightDlg::OpenWebPage() {
    if (!env.ui.OpenWithDesktop(kDialwrightWebSite))
        env.ui.Message("On the WEB...",
                       std::string("No web browser could be started for ") + kDialwrightWebSite,
                       Icon::Warning);
}

void CDialwrightDlg::ShowAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CDialwrightDlg::UndoStep() {
    const auto text = undo.Undo([this] { return document.SnapshotText(); });
    if (text) document.RestoreSnapshot(*text);
}

void CDialwrightDlg::RedoStep() {
    if (const auto text = undo.Redo()) document.RestoreSnapshot(*text);
}

void CDialwrightDlg::ImportFsGauge() {
    if (services.importFsGauge) services.importFsGauge(document);
}

void CDialwrightDlg::RunGauge() {
    if (document.elements.Empty() || !services.runPlayer || running) return;
    PlayerRequest request;
    request.elements = document.elements.Head();
    request.editorOwner = this;
    request.link1 = document.link1;
    request.link2 = document.link2;
    request.fps = document.fps;
    request.backColor = document.backColor;
    const QPoint origin = canvas->mapToGlobal(QPoint(0, 0));
    request.clientOnScreen = {origin.x(), origin.y(), origin.x() + canvas->width(),
                              origin.y() + canvas->height()};
    request.gaugeName = document.gaugeName;
    request.store = &env.settings;
    request.ui = &env.ui;

    // Unsaved changes outlive a run that takes the program down: the next start offers them.
    const std::string recoveryPath = RecoveryPathFor(&env.settings);
    if (document.modified && !recoveryPath.empty())
        WriteRecoveryFile(recoveryPath, document.gaugePath,
                          GaugeFileBytes(document.FileDocument()));

    running = true;
    mouse.Cancel();
    hide();
    ClearRunReport(env.settings);
    services.runPlayer(request);
    Repaint();
    show();
    canvas->setFocus();
    running = false;
    if (!recoveryPath.empty()) RemoveRecoveryFile(recoveryPath);

    ReportLastRun();
}

void CDialwrightDlg::ReportLastRun() {
    RunReportActions report;
    report.editElement = [this](CElement& element) {
        EditContext edit = Edit();
        EditElementProperties(edit, element);
        element.Invalidate();
    };
    report.configureLinks = [this] { ConfigureServerLinks(); };
    ReportRunEnd(env.settings, env.ui, document.elements.Head(), document.link1, document.link2,
                 report);
}

}  // namespace dw
