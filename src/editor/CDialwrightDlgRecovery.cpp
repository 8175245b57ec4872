// CDialwrightDlg: the start after a run that took the program down. The run left a crash
// record (the "RunTime" report) and, when the gauge had unsaved changes, a recovery copy of
// it; the editor offers the copy back and then reports how the run ended.
#include <QFileInfo>
#include <filesystem>

#include "editor/CDialwrightDlg.h"
#include "editor/RunReport.h"
#include "files/AtomicFile.h"
#include "files/GaugePaths.h"
#include "runtime/CrashGuard.h"
#include "runtime/RecoveryFile.h"

namespace dw {

namespace {

constexpr char kRecoverTitle[] = "Recover gauge";

// Where the recovered text is read from: beside the gauge it came from, so that its pictures
// and sounds are found as they were; beside the recovery file for a gauge never saved.
std::string RestoreFileFor(const RecoveredGauge& gauge, const std::string& recoveryPath) {
    std::filesystem::path folder;
    if (!gauge.gaugePath.empty())
        folder = std::filesystem::path(GaugeFileOnDisk(gauge.gaugePath)).parent_path();
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        folder = std::filesystem::path(recoveryPath).parent_path();
    return (folder / ".dialwright-recovered.dwl").string();
}

}  // namespace

void CDialwrightDlg::RecoverAfterCrash() {
    const std::string recordPath = CrashRecordPathFor(&env.settings);
    const bool crashed =
        !recordPath.empty() && TakeCrashRecord(recordPath, env.settings).has_value();
    // A gauge that plays at start would take the program down again.
    if (crashed) runTimer.stop();

    const std::string recoveryPath = RecoveryPathFor(&env.settings);
    const std::optional<RecoveredGauge> recovered =
        recoveryPath.empty() ? std::nullopt : FindRecoveryFile(recoveryPath);
    if (recovered) {
        const std::string name =
            recovered->gaugePath.empty() ? std::string("New") : recovered->gaugePath;
        const Answer answer = env.ui.ShowMessage(
            {kRecoverTitle,
             "Dialwright ended while the gauge [" + name +
                 "] was playing, and its last changes had not been saved.\r\n\r\n"
                 "Do you want to restore those changes?",
             Buttons::YesNo, Icon::Question, false});
        if (answer == Answer::Yes) RestoreRecoveredGauge(*recovered, recoveryPath);
        RemoveRecoveryFile(recoveryPath);
    }
    if (crashed) ReportLastRun();
}

void CDialwrightDlg::RestoreRecoveredGauge(const RecoveredGauge& gauge,
                                           const std::string& recoveryPath) {
    const std::string restorePath = RestoreFileFor(gauge, recoveryPath);
    if (!WriteFileAtomically(restorePath, gauge.text).ok) return;
    const std::string previousPath = document.gaugePath;
    document.gaugePath = restorePath;
    const bool loaded = document.LoadGauge(false);
    std::error_code ec;
    std::filesystem::remove(restorePath, ec);
    if (!loaded) {
        document.gaugePath = previousPath;
        return;
    }
    runTimer.stop();
    document.gaugePath = gauge.gaugePath;
    document.modified = true;
    UpdateMenuStates();
    UpdateStatusLine();
}

}  // namespace dw
