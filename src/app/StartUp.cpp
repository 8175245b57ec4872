#include "app/StartUp.h"

#include <QApplication>
#include <cstdio>
#include <set>

#include "app/AppDialogs.h"
#include "app/FileAssociation.h"
#include "editor/CDialwrightDlg.h"
#include "files/GaugeVersion.h"
#include "model/ElementFactory.h"
#include "platform/IniSettingsStore.h"
#include "platform/ProgramPaths.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtInteraction.h"
#include "render/RenderServices.h"
#include "runtime/ElementKinds.h"
#include "runtime/PlayerRun.h"
#include "script/ScriptEngine.h"

namespace dw {

namespace {

// Qt's own options, which QApplication takes off the command line: those followed by a value,
// and those standing alone. Written with one or two dashes.
const std::set<std::string> kQtOptionsWithValue{"platform",
                                                "platformpluginpath",
                                                "platformtheme",
                                                "plugin",
                                                "qwindowgeometry",
                                                "qwindowicon",
                                                "qwindowtitle",
                                                "style",
                                                "stylesheet",
                                                "session",
                                                "display",
                                                "geometry",
                                                "title",
                                                "name",
                                                "visual",
                                                "ncols",
                                                "cmap",
                                                "qmljsdebugger"};
const std::set<std::string> kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

std::string OptionName(const std::string& argument) {
    std::size_t dashes = 0;
    while (dashes < 2 && dashes < argument.size() && argument[dashes] == '-') ++dashes;
    return dashes == 0 ? std::string() : argument.substr(dashes);
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    bool skipValue = false;
    for (const std::string& argument : arguments) {
        if (skipValue) {
            skipValue = false;
            continue;
        }
        if (!optionsEnded && kQtFlags.count(OptionName(argument))) continue;
        if (!optionsEnded && kQtOptionsWithValue.count(OptionName(argument))) {
            skipValue = true;
            continue;
        }
        if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (!optionsEnded && argument == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "/p" || argument == "/P" || argument == "-p" ||
                                     argument == "--play")) {
            line.options.play = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            line.action = CommandLine::Action::Error;
            line.error = "unknown option '" + argument + "'";
            return line;
        } else if (line.options.file.empty() && !argument.empty()) {
            line.options.file = argument;
        } else {
            line.action = CommandLine::Action::Error;
            line.error = "only one gauge file can be given";
            return line;
        }
    }
    if (line.options.play && line.options.file.empty()) {
        line.action = CommandLine::Action::Error;
        line.error = "playing needs a gauge file";
    }
    return line;
}

std::string UsageText() {
    return "usage: dialwright [FILE]\n"
           "       dialwright /p FILE\n"
           "\n"
           "Edits cockpit instrument gauges and plays them against ZEKO servers.\n"
           "\n"
           "  FILE             the gauge to open (.dwl or .xml); without it the gauge\n"
           "                   saved last is opened\n"
           "  /p, -p, --play   play FILE as soon as the editor has started\n"
           "  -h, --help       show this help and exit\n"
           "      --version    show the version and exit\n";
}

std::string VersionText() {
    return std::string("ZEKO Dialwright 2.0 (gauge format ") + kGaugeFormatVersion + ")\n";
}

EditorServices ProgramServices(IEditorDialogs& dialogs) {
    EditorServices services;
    services.dialogs = &dialogs;
    services.runPlayer = RunPlayer;
    services.importFsGauge = [](CGaugeDocument& document) { return document.ImportFsGauge(); };
    return services;
}

int RunDialwright(int argc, char** argv) {
    // Read before Qt starts: help, version and mistakes need no display.
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(UsageText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(VersionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "dialwright: %s\n\n%s", line.error.c_str(), UsageText().c_str());
            return 2;
        case CommandLine::Action::Edit:
            break;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZEKO"));
    QApplication::setApplicationName(QStringLiteral("dialwright"));
    // The editor hides while a gauge plays: the program ends when the editor closes, not when
    // the player window was the last one shown.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::unique_ptr<IniSettingsStore> settings = IniSettingsStore::OpenUserStore();
    RegisterAllKinds(ElementFactory::Instance());
    InstallScriptEngine();
    QtInteraction ui;
    QtClipboard clipboard;
    InstallRenderServices({&ui, settings.get()});

    RegisterGaugeFileType();

    EditorEnvironment environment{ui, clipboard, *settings, ProgramFolder()};
    CDialwrightDlg window(environment, EditorServices{});
    ui.SetParent(&window);
    // The dialogs belong to the window: they share the gauge's custom colours and the alias
    // file the window remembers.
    DialogContext dialogContext;
    dialogContext.parent = &window;
    dialogContext.ui = &ui;
    dialogContext.settings = settings.get();
    dialogContext.customColours = &window.Document().customColors;
    dialogContext.aliasFile = [&window] { return window.AliasFile(); };
    dialogContext.aliasFileChosen = [&window](const std::string& path) {
        window.ReloadAliasFile(path);
    };
    InstallPropertiesDialogs(dialogContext);
    const std::unique_ptr<IEditorDialogs> dialogs = CreateEditorDialogs(dialogContext);
    window.SetServices(ProgramServices(*dialogs));
    QObject::connect(&window, &CDialwrightDlg::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.Start(line.options);
    window.RecoverAfterCrash();
    const int code = QApplication::exec();
    InstallRenderServices({});
    return code;
}

}  // namespace dw
