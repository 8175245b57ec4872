// CGaugeDocument: what the commands do when memory runs short. Elements whose drawing
// surface the budget refused are reported once per command; an allocation failure ends the
// command with a message and the gauge as it was.
#include <new>
#include <string>
#include <utility>

#include "model/CGaugeDocument.h"
#include "model/SurfaceBudget.h"

namespace dw {

template <class Command>
bool CGaugeDocument::Guarded(Command command) {
    try {
        return command();
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        return false;
    }
}

void CGaugeDocument::ReportOutOfMemory() {
    ui.ShowMessage({"Not enough memory",
                    "There is not enough memory for this command.\r\nThe gauge was left as it "
                    "was.",
                    Buttons::Ok, Icon::Error, false});
}

int CGaugeDocument::SurfacesDrawnEmpty() {
    return SurfaceBudget::Instance().SurfacesDrawnEmpty();
}

bool CGaugeDocument::TellSurfacesDrawnEmpty() {
    const int now = SurfacesDrawnEmpty();
    const int before = std::exchange(drawnEmptyTold, now);
    if (now <= before) return false;
    const std::int64_t megabytes = SurfaceBudget::Instance().Limit() / (1024 * 1024);
    ui.ShowMessage(
        {"Gauge too large to draw",
         std::to_string(now) + (now == 1 ? " element" : " elements") +
             " of the gauge could not be given memory to draw in: all elements together may "
             "use " +
             std::to_string(megabytes) +
             " MB of drawing memory.\r\nThese elements are kept, with their sizes, and drawn "
             "empty. Make them or other large elements smaller to see them again.",
         Buttons::Ok, Icon::Warning, false});
    return true;
}

bool CGaugeDocument::LoadGauge(bool insert) {
    const bool loaded = Guarded([&] { return LoadGaugeFile(insert); });
    if (loaded) TellSurfacesDrawnEmpty();
    return loaded;
}

bool CGaugeDocument::InsertFragment(const std::string& text, bool restoringUndo) {
    const bool inserted = Guarded([&] { return InsertFragmentText(text, restoringUndo); });
    if (inserted) TellSurfacesDrawnEmpty();
    return inserted;
}

bool CGaugeDocument::RestoreSnapshot(const std::string& text) {
    const bool restored = Guarded([&] { return RestoreSnapshotText(text); });
    if (restored) TellSurfacesDrawnEmpty();
    return restored;
}

}  // namespace dw
