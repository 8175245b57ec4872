#pragma once
// What the editor window is given to work with: the user, the clipboard and the settings
// store it always needs, and the services that other parts of the program provide (the
// player, the gauge and configuration dialogs, the import of flight-simulator gauges).
// While a service is missing its commands are greyed.
#include <functional>
#include <string>

#include "editor/EditorDialogs.h"
#include "runtime/PlayerRun.h"

namespace dw {

class CGaugeDocument;
class IClipboard;
class IInteraction;
class ISettingsStore;

struct EditorEnvironment {
    IInteraction& ui;
    IClipboard& clipboard;
    ISettingsStore& settings;
    // Where the program's own files are (the default alias file, the help pages).
    std::string programFolder;
};

struct EditorServices {
    PlayerRunner runPlayer{};                              // Run
    IEditorDialogs* dialogs = nullptr;                     // Gauge > Properties, Config
    std::function<bool(CGaugeDocument&)> importFsGauge{};  // Gauge > Import from FS
};

// How the program was started: the gauge named on the command line and whether it is to be
// played at once ("/p").
struct StartOptions {
    std::string file;
    bool play = false;
};

}  // namespace dw
