// dwtool: the command-line companion of Dialwright.
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "Verb.h"

namespace dwtool {

// Qt's own notes (a missing XDG runtime folder and the like) are not dwtool's output;
// only critical and fatal messages reach stderr, unless DWTOOL_QT_MESSAGES is set.
static void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) {
        if (!std::getenv("DWTOOL_QT_MESSAGES")) return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

std::vector<Verb>& Verbs() {
    static std::vector<Verb> verbs;
    return verbs;
}

static void PrintUsage(std::FILE* out) {
    std::vector<Verb> sorted = Verbs();
    std::sort(sorted.begin(), sorted.end(),
              [](const Verb& a, const Verb& b) { return a.name < b.name; });
    std::fprintf(out, "usage: dwtool VERB [ARGS...]\n\nverbs:\n");
    for (const Verb& verb : sorted)
        std::fprintf(out, "  dwtool %s\n      %s\n", verb.usage.c_str(), verb.summary.c_str());
}

}  // namespace dwtool

int main(int argc, char** argv) {
    using namespace dwtool;
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    // Verbs draw and measure text without showing a window: fonts and images need a
    // QGuiApplication, on the offscreen platform unless the caller chose another.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(FilterQtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    for (const Verb& verb : Verbs()) {
        if (verb.name != name) continue;
        // No verb ends in an abort: running out of memory (or any other escaped exception)
        // is reported and gives exit code 1.
        try {
            return verb.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const std::bad_alloc&) {
            std::fprintf(stderr, "dwtool %s: not enough memory\n", name.c_str());
        } catch (const std::exception& error) {
            std::fprintf(stderr, "dwtool %s: %s\n", name.c_str(), error.what());
        }
        return 1;
    }
    std::fprintf(stderr, "dwtool: unknown verb '%s'\n\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}
