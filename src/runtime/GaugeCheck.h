#pragma once
// The gauge author's check before a flight: everything that would stop the player, leave an
// element dead, or show nothing where a picture or a sound was meant, found without running
// the gauge.
//
// Per element: scripts that do not compile (reported with the line and the text the editor
// shows after a run stops there), if/else/endif that do not match, print formats the player
// refuses, variables outside 0..1195 or on no server link (server 0, or a link that is off),
// a main script that the player never runs for want of a primary link, alias names of
// variables or server links left in the scripts unconverted, image and audio files (also those
// named by "setfile") that can't be found or decoded after the image search folders and
// letter-case resolution, and elements lying wholly outside the gauge's window.
#include <optional>
#include <string>
#include <vector>

#include "files/GaugeProperties.h"
#include "model/ElementList.h"

namespace dw {

class ISettingsStore;

struct GaugeProblem {
    int element = 0;   // position in the element list from 1; 0 for the gauge file itself
    std::string name;  // the element's name
    std::string message;
    std::vector<std::string> details;  // further lines: the marked script line
};

struct GaugeCheckContext {
    GaugeLink link1;
    GaugeLink link2;
    // The window the gauge plays in (the main window's stored size); without it only
    // elements left of or above the window count as outside.
    std::optional<WindowPlacement> window;
    // The image search folders; none when null.
    const ISettingsStore* settings = nullptr;
};

// The problems of the elements, in list order. Relative files are found from the working
// folder.
std::vector<GaugeProblem> CheckGaugeElements(const ElementList& elements,
                                             const GaugeCheckContext& context);

// Opens the gauge at path as Gauge > Open does (the working folder becomes its folder; no
// question reaches the user; settings, which may be null, give the image search folders) and
// checks it. A gauge that can't be opened gives one problem of element 0 holding the reason.
// The element kinds must be registered with the program's element factory.
std::vector<GaugeProblem> CheckGaugeFile(const std::string& path, ISettingsStore* settings);

// "FILE: element N "NAME": message" (or "FILE: message" for the gauge itself), then each
// detail line, each line ended by a line feed.
std::string FormatGaugeProblem(const std::string& file, const GaugeProblem& problem);

}  // namespace dw
