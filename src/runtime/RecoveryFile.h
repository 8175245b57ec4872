#pragma once
// The recovery copy of a modified gauge. Before each Run of a gauge with unsaved changes
// the editor writes the gauge's text here; a run that ends normally removes it. A recovery
// file found at the next start means the program ended during a run: the editor offers to
// restore the gauge from it, then removes it. Nothing of an unsaved edit is lost by a run.
//
// The file is a header line "DW-RECOVERY 1", a line with the gauge's path ("" for a gauge
// never saved), then the gauge's text as it would be saved.
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace dw {

struct RecoveredGauge {
    std::string gaugePath;  // where the gauge was opened from; "" when never saved
    std::string text;       // the whole gauge file text
};

// The recovery file beside the settings store's file ("<settings>.recovery"), or "" for a
// store without a file.
std::string RecoveryPathFor(const ISettingsStore* store);

// Writes the file safely (a failed write leaves the previous one); false when it failed.
bool WriteRecoveryFile(const std::string& recoveryPath, const std::string& gaugePath,
                       const std::string& gaugeText);
// The recovered gauge, or nothing when there is no (readable, well-formed) file.
std::optional<RecoveredGauge> FindRecoveryFile(const std::string& recoveryPath);
// Removes the file when it exists.
void RemoveRecoveryFile(const std::string& recoveryPath);

// The file's bytes for a gauge, and reading them back.
std::string FormatRecovery(const RecoveredGauge& gauge);
std::optional<RecoveredGauge> ParseRecovery(const std::string& bytes);

}  // namespace dw
