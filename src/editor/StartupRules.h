#pragma once
// The decisions of the editor window's start-up that depend on nothing but numbers: whether
// Run is issued automatically, and where a stored window rectangle goes on the screens that
// are attached now.
#include <QRect>
#include <optional>
#include <vector>

#include "files/GaugeProperties.h"

namespace dw {

// Delay of the automatic Run issued by start-up.
inline constexpr int kStartRunDelayMs = 100;

enum class StartRun {
    EditorOnly,    // no automatic Run (and a pending run-at-start timer is stopped)
    KeepPending,   // leave whatever opening the gauge started
    RunAfterStart  // Run after kStartRunDelayMs
};
// No file given: a gauge set to run at start plays; a file given: it plays only with "/p".
StartRun DecideStartRun(bool fileGiven, bool play, bool gaugeRunsAtStart);

// The placement a stored window rectangle gets: kept when it overlaps one of the screens (at
// least kMinVisible pixels each way), otherwise moved onto the primary screen. Sizes are
// kept within the primary screen; an empty size takes a default.
inline constexpr int kMinVisible = 48;
WindowPlacement FitToScreens(const WindowPlacement& stored, const std::vector<QRect>& screens,
                             const QRect& primary);

}  // namespace dw
