#pragma once
// The editor's report of how a run ended, read from the settings store ("RunTime"): a script
// error with the offer to edit the faulty script, a fault, or a server link that could not
// be reached with the offer to configure the links. Afterwards "LastError" is 0 again.
#include <functional>

#include "files/GaugeProperties.h"

namespace dw {

class CElement;
class IInteraction;
class ISettingsStore;

struct RunReportActions {
    // Yes to "Do you want edit?": the element's properties (with alias names shown).
    std::function<void(CElement&)> editElement{};
    // Yes to a server link message: the server links dialog.
    std::function<void()> configureLinks{};
};

// Clears the report before a run: "LastError", "LastLine" and "Element" become 0.
void ClearRunReport(ISettingsStore& store);

// Shows the report of the run that just ended, if any, runs the chosen action and then
// writes "LastError" = 0. `first` is the head of the gauge's element list (the report names
// its element by position); link1 and link2 are the editor's own link settings.
void ReportRunEnd(ISettingsStore& store, IInteraction& ui, CElement* first, const GaugeLink& link1,
                  const GaugeLink& link2, const RunReportActions& actions);

}  // namespace dw
