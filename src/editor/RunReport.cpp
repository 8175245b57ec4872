#include "editor/RunReport.h"

#include "link/ServerLinkReport.h"
#include "model/CElement.h"
#include "platform/Interaction.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "script/ErrorReport.h"
#include "script/ScriptHost.h"

namespace dw {

namespace {

ServerLinkSettings LinkSettings(const GaugeLink& link) {
    return {link.alias, link.ip, link.port};
}

}  // namespace

void ClearRunReport(ISettingsStore& store) {
    store.WriteInt(settings::kRunTime, settings::kLastError, 0);
    store.WriteInt(settings::kRunTime, settings::kLastLine, 0);
    store.WriteInt(settings::kRunTime, settings::kElement, 0);
}

void ReportRunEnd(ISettingsStore& store, IInteraction& ui, CElement* first, const GaugeLink& link1,
                  const GaugeLink& link2, const RunReportActions& actions) {
    const int code = store.ReadInt(settings::kRunTime, settings::kLastError, 0);
    if (code == 0) return;
    if (code < 9000) {
        const int line = store.ReadInt(settings::kRunTime, settings::kLastLine, 0);
        const int identity = store.ReadInt(settings::kRunTime, settings::kElement, 0);
        CElement* element = FindElementByIdentity(first, identity);
        const std::string none;
        const auto report =
            BuildScriptErrorReport(code, line, element ? element->mainProgram : none,
                                   element ? element->clickProgram : none);
        if (report) {
            const Answer answer = ui.ShowMessage({report->title, report->text,
                                                  report->askToEdit ? Buttons::YesNo : Buttons::Ok,
                                                  Icon::Error, false});
            if (report->askToEdit && answer == Answer::Yes && element && actions.editElement)
                actions.editElement(*element);
        }
    } else if (const auto request =
                   ServerLinkReport(code, LinkSettings(link1), LinkSettings(link2))) {
        if (ui.ShowMessage(*request) == Answer::Yes && actions.configureLinks)
            actions.configureLinks();
    }
    store.WriteInt(settings::kRunTime, settings::kLastError, 0);
}

}  // namespace dw
