#pragma once
// The program's start: the command line, the services the editor window is given, and the
// sequence that sets up the settings store, the element kinds, the script engine and the
// drawing services before the editor window starts.
#include <string>
#include <vector>

#include "editor/EditorServices.h"

class QWidget;

namespace dw {

struct CommandLine {
    enum class Action { Edit, Help, Version, Error };
    Action action = Action::Edit;
    StartOptions options;  // the gauge to open, and "/p" (also -p, --play) to play it
    std::string error;     // for Action::Error
};

// Reads the arguments after the program name. Qt's own options (-platform NAME, -style NAME,
// -reverse, ...) are passed over: QApplication takes them.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
std::string UsageText();
std::string VersionText();

// What the editor window gets from the rest of the program: the player for Run, the gauge
// and configuration dialogs, the import of flight-simulator gauges.
EditorServices ProgramServices(IEditorDialogs& dialogs);

// The whole program: returns its exit code.
int RunDialwright(int argc, char** argv);

}  // namespace dw
