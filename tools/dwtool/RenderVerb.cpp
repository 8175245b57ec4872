// dwtool render: draws a gauge into a PNG file, as the editor shows it, or with --run as the
// player shows it after its scripts ran on given variable values (no server is contacted).
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ConsoleInteraction.h"
#include "GaugeSession.h"
#include "Verb.h"
#include "model/CElement.h"
#include "model/ColourConvert.h"
#include "model/ElementKind.h"
#include "model/GlobalSwitch.h"
#include "platform/IniSettingsStore.h"
#include "platform/OverlaySettingsStore.h"
#include "platform/SettingsKeys.h"
#include "render/RenderServices.h"
#include "script/ScriptEngine.h"
#include "script/ScriptHost.h"

namespace dwtool {

namespace {

constexpr char kUsage[] =
    "render GAUGE -o OUT.png [--size WxH] [--run] [--var S:O=V]... [--frames N]";
constexpr int kMaxSide = 8192;
constexpr long kMaxFrames = 100000;

struct VariableValue {
    int server = 1;  // 1: server link 1, 2: server link 2
    int offset = 0;
    std::int32_t value = 0;
};

struct RenderOptions {
    std::string gauge;
    std::string output;
    int width = 0;  // 0: from the elements
    int height = 0;
    bool run = false;
    long frames = 1;
    std::vector<VariableValue> values;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr,
                 "dwtool render: %s\nusage: dwtool %s\n"
                 "  --size WxH     picture size (default: enough for every element)\n"
                 "  --run          draw as the player does after running the scripts\n"
                 "  --var S:O=V    with --run: variable O (0-1195) of server link S (1 or 2) "
                 "holds V\n"
                 "  --frames N     with --run: run every linked script N times (default 1)\n",
                 problem.c_str(), kUsage);
    return 2;
}

bool ReadLong(const std::string& text, long low, long high, long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == nullptr || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

bool ReadSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    long w = 0;
    long h = 0;
    if (x == std::string::npos || !ReadLong(text.substr(0, x), 1, kMaxSide, w) ||
        !ReadLong(text.substr(x + 1), 1, kMaxSide, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool ReadVariable(const std::string& text, VariableValue& out) {
    const std::size_t colon = text.find(':');
    const std::size_t equals = text.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon) return false;
    long server = 0;
    long offset = 0;
    long value = 0;
    if (!ReadLong(text.substr(0, colon), 1, 2, server) ||
        !ReadLong(text.substr(colon + 1, equals - colon - 1), 0, dw::kVariableCount - 1, offset) ||
        !ReadLong(text.substr(equals + 1), INT32_MIN, INT32_MAX, value))
        return false;
    out = {static_cast<int>(server), static_cast<int>(offset), static_cast<std::int32_t>(value)};
    return true;
}

// Parses the arguments; the exit code of a usage error, or nothing when they are fine.
std::optional<int> ParseOptions(const std::vector<std::string>& args, RenderOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" || a == "--output") {
            if (!hasValue) return Usage("missing file after " + a);
            options.output = args[++i];
        } else if (a == "--size") {
            if (!hasValue || !ReadSize(args[++i], options.width, options.height))
                return Usage("--size takes WxH, each 1 to 8192");
        } else if (a == "--run") {
            options.run = true;
        } else if (a == "--var") {
            VariableValue v;
            if (!hasValue || !ReadVariable(args[++i], v))
                return Usage("--var takes S:O=V with S 1 or 2, O 0 to 1195 and a 32-bit V");
            options.values.push_back(v);
        } else if (a == "--frames") {
            if (!hasValue || !ReadLong(args[++i], 1, kMaxFrames, options.frames))
                return Usage("--frames takes 1 to 100000");
        } else if (options.gauge.empty() && !a.empty() && a[0] != '-') {
            options.gauge = a;
        } else {
            return Usage("unexpected argument '" + a + "'");
        }
    }
    if (options.gauge.empty()) return Usage("no gauge given");
    if (options.output.empty()) return Usage("no output file given (-o OUT.png)");
    if (!options.run && (options.frames != 1 || !options.values.empty()))
        return Usage("--var and --frames need --run");
    return std::nullopt;
}

// The variable tables of one run, handed to every element as the player does.
struct VariableTables {
    std::unique_ptr<dw::VariableCell[]> link1{new dw::VariableCell[dw::kVariableCount]()};
    std::unique_ptr<dw::VariableCell[]> link2{new dw::VariableCell[dw::kVariableCount]()};
};

// Switches the gauge to run mode, runs every linked script `frames` times and reports the
// first script error; false after an error.
bool RunScripts(dw::CGaugeDocument& document, const RenderOptions& options, VariableTables& tables,
                dw::OverlaySettingsStore& settings) {
    for (const VariableValue& v : options.values)
        (v.server == 1 ? tables.link1 : tables.link2)[v.offset].store(v.value);
    dw::CElement* head = document.elements.Head();
    if (head == nullptr) return true;
    dw::SetGlobalSwitch(true);
    head->SetRunMode(nullptr, true);
    for (dw::CElement& e : document.elements) {
        e.values1 = tables.link1.get();
        e.values2 = tables.link2.get();
    }
    for (long frame = 0; frame < options.frames; ++frame) {
        for (dw::CElement& e : document.elements) {
            if (e.GetLinkedServer() == 0) continue;
            if (!e.RunProgram()) {
                const int code =
                    settings.ReadInt(dw::settings::kRunTime, dw::settings::kLastError, 0);
                const int line =
                    settings.ReadInt(dw::settings::kRunTime, dw::settings::kLastLine, 0);
                std::fprintf(stderr,
                             "dwtool render: script error %d at line %d in element %ld (%s), "
                             "run %ld\n",
                             code, line, document.elements.IndexOf(&e) + 1,
                             e.GetDisplayName().c_str(), frame + 1);
                return false;
            }
        }
    }
    return true;
}

QImage DrawGauge(dw::CGaugeDocument& document, QSize size) {
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(dw::ToQColor(document.backColor));
    QPainter painter(&frame);
    for (dw::CElement& e : document.elements) e.Draw(painter);
    return frame;
}

int RunRender(const std::vector<std::string>& args) {
    RenderOptions options;
    if (const std::optional<int> status = ParseOptions(args, options)) return *status;

    // Image search folders come from the user's settings; nothing is written back.
    const std::unique_ptr<dw::IniSettingsStore> userSettings =
        dw::IniSettingsStore::OpenUserStore();
    dw::OverlaySettingsStore settings(*userSettings);
    ConsoleInteraction console;
    dw::InstallRenderServices({&console, &settings});
    if (options.run) {
        dw::InstallScriptEngine();
        dw::SetScriptEnvironment({&settings, nullptr});
    }

    GaugeSession session;
    if (!session.Load(options.gauge)) {
        std::fprintf(stderr, "dwtool render: cannot open '%s'\n", options.gauge.c_str());
        return 1;
    }
    dw::CGaugeDocument& document = session.Document();
    const QSize size =
        options.width > 0 ? QSize(options.width, options.height) : GaugeExtent(document);
    VariableTables tables;
    if (options.run && !RunScripts(document, options, tables, settings)) return 1;

    const QImage frame = DrawGauge(document, size);
    if (options.run && document.elements.Head() != nullptr) {
        document.elements.Head()->SetRunMode(nullptr, false);
        dw::SetScriptEnvironment({});
    }
    dw::InstallRenderServices({});
    if (!frame.save(QString::fromLocal8Bit(options.output.c_str()), "PNG")) {
        std::fprintf(stderr, "dwtool render: cannot write '%s'\n", options.output.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

DWTOOL_VERB(render, kUsage, "draw a gauge into a PNG (with --run as the player shows it)",
            RunRender);

}  // namespace dwtool
