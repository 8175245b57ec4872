#pragma once
// What the editor's Run command hands to the player, and the one call that plays a gauge.
//
// The editor does the steps around it: it hides itself, clears the "RunTime" report, calls
// the runner, shows itself again and reports what the run left in "RunTime". The runner
// switches the elements to run mode with the player window as their owner, plays the gauge
// modally until the run ends (Escape, a server's farewell, a script error, a link that can't
// be reached, a fault), and gives the elements back to the editor in edit mode.
#include <functional>
#include <string>

#include "files/GaugeProperties.h"
#include "model/Geometry.h"
#include "platform/Interaction.h"

namespace dw {

class CElement;
class IElementOwner;
class ISettingsStore;

struct PlayerRequest {
    CElement* elements = nullptr;          // head of the gauge's list, in drawing order
    IElementOwner* editorOwner = nullptr;  // gets the elements back after the run
    GaugeLink link1;                       // the editor's link settings (copied by the run)
    GaugeLink link2;
    int fps = kDefaultFps;  // 1 to 40
    Colour backColor = kDefaultBackColour;
    // The editor's client area in global (device-independent) screen coordinates; the player
    // window covers exactly this area, drawing one gauge pixel on each device pixel.
    Rect clientOnScreen;
    std::string gaugeName;
    ISettingsStore* store = nullptr;  // receives the "RunTime" report
    IInteraction* ui = nullptr;       // messages during the run (media errors, faults)
};

// Plays one run; returns when it has ended and the elements are back in edit mode.
using PlayerRunner = std::function<void(const PlayerRequest&)>;

// The program's runner: switches the elements to run mode with a CPlayerDlg as their owner,
// runs the player modally and gives the elements back to request.editorOwner in edit mode.
// Does nothing without elements or without a settings store.
void RunPlayer(const PlayerRequest& request);

}  // namespace dw
