// dwtool play: plays a gauge as the player does, without a window, against the gauge's
// server links (or the given ones), and tells how the run ended with the editor's report.
#include <signal.h>

#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ConsoleInteraction.h"
#include "GaugeSession.h"
#include "Verb.h"
#include "link/ServerLinkReport.h"
#include "link/UZekoPnp.h"
#include "platform/IniSettingsStore.h"
#include "platform/OverlaySettingsStore.h"
#include "platform/SettingsKeys.h"
#include "runtime/HeadlessPlayer.h"
#include "script/ErrorReport.h"
#include "script/ScriptHost.h"

namespace dwtool {

namespace {

constexpr char kUsage[] =
    "play GAUGE [--frames N | --duration S] [--png OUT] [--link1 HOST:PORT] "
    "[--link2 HOST:PORT] [--size WxH]";
constexpr long kMaxFrames = 100000000;
constexpr double kMaxSeconds = 7 * 24 * 3600;

std::atomic<bool> interrupted{false};

void OnInterrupt(int) {
    interrupted.store(true);
}

struct PlayOptions {
    std::string gauge;
    long frames = 0;
    double seconds = 0;
    std::string png;
    std::optional<dw::ServerLinkSettings> link1;
    std::optional<dw::ServerLinkSettings> link2;
    int width = 0;
    int height = 0;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr,
                 "dwtool play: %s\nusage: dwtool %s\n"
                 "  --frames N        end after N frames\n"
                 "  --duration S      end after S seconds\n"
                 "  --png OUT         write the last frame to OUT\n"
                 "  --link1 HOST:PORT server link 1 (default: the gauge's link 1)\n"
                 "  --link2 HOST:PORT server link 2 (default: the gauge's link 2)\n"
                 "  --size WxH        frame size (default: enough for every element)\n"
                 "Without --frames or --duration the run goes on until the server says "
                 "farewell, a script fails or Ctrl+C.\n",
                 problem.c_str(), kUsage);
    return 2;
}

bool ReadLong(const std::string& text, long low, long high, long& out) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == nullptr || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

bool ReadLink(const std::string& text, dw::ServerLinkSettings& link) {
    const std::size_t colon = text.rfind(':');
    long port = 0;
    if (colon == std::string::npos || colon == 0 || colon >= dw::CZekoClient::kHostSize ||
        !ReadLong(text.substr(colon + 1), 1, 65535, port))
        return false;
    link.ip = text.substr(0, colon);
    link.port = static_cast<int>(port);
    return true;
}

std::optional<int> ParseOptions(const std::vector<std::string>& args, PlayOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--frames") {
            if (!hasValue || !ReadLong(args[++i], 1, kMaxFrames, options.frames))
                return Usage("--frames takes 1 to 100000000");
        } else if (a == "--duration") {
            char* end = nullptr;
            const std::string value = hasValue ? args[++i] : "";
            options.seconds = std::strtod(value.c_str(), &end);
            if (value.empty() || *end != '\0' || !(options.seconds > 0) ||
                options.seconds > kMaxSeconds)
                return Usage("--duration takes seconds above 0 (at most a week)");
        } else if (a == "--png") {
            if (!hasValue) return Usage("missing file after --png");
            options.png = args[++i];
        } else if (a == "--link1" || a == "--link2") {
            dw::ServerLinkSettings link;
            if (!hasValue || !ReadLink(args[++i], link))
                return Usage(a + " takes HOST:PORT with a port of 1 to 65535");
            (a == "--link1" ? options.link1 : options.link2) = link;
        } else if (a == "--size") {
            const std::string value = hasValue ? args[++i] : "";
            const std::size_t x = value.find_first_of("xX");
            long w = 0;
            long h = 0;
            if (x == std::string::npos || !ReadLong(value.substr(0, x), 1, 8192, w) ||
                !ReadLong(value.substr(x + 1), 1, 8192, h))
                return Usage("--size takes WxH, each 1 to 8192");
            options.width = static_cast<int>(w);
            options.height = static_cast<int>(h);
        } else if (options.gauge.empty() && !a.empty() && a[0] != '-') {
            options.gauge = a;
        } else {
            return Usage("unexpected argument '" + a + "'");
        }
    }
    if (options.gauge.empty()) return Usage("no gauge given");
    if (options.frames > 0 && options.seconds > 0)
        return Usage("give --frames or --duration, not both");
    return std::nullopt;
}

// Message texts use CR LF; the console wants plain line ends.
std::string ConsoleText(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

// Prints how the run ended; returns the exit code.
int Report(dw::RunSession& session, const dw::ISettingsStore& store, dw::CGaugeDocument& document,
           const dw::ServerLinkSettings& link1, const dw::ServerLinkSettings& link2,
           std::uint64_t frames) {
    using namespace dw::settings;
    const int code = store.ReadInt(kRunTime, kLastError, 0);
    const int line = store.ReadInt(kRunTime, kLastLine, 0);
    const int identity = store.ReadInt(kRunTime, kElement, 0);
    if (code >= 9000) {
        if (const auto box = dw::ServerLinkReport(code, link1, link2))
            std::printf("dwtool play: %s\n%s\n", box->title.c_str(),
                        ConsoleText(box->text).c_str());
        else
            std::printf("dwtool play: server link error %d\n", code);
        return 1;
    }
    if (code != 0) {
        dw::CElement* element = dw::FindElementByIdentity(document.elements.Head(), identity);
        const std::string name = element ? element->GetDisplayName() : "no element";
        std::printf("dwtool play: %s in element %d (%s) after %llu frames\n",
                    code >= 8000 ? "internal fault" : "script error", identity, name.c_str(),
                    static_cast<unsigned long long>(frames));
        if (element != nullptr) {
            if (const auto report = dw::BuildScriptErrorReport(
                    code, line, element->GetMainProgram(), element->GetClickProgram()))
                std::printf("%s\n%s\n", report->title.c_str(), ConsoleText(report->text).c_str());
        }
        return 1;
    }
    const char* how =
        session.Reason() == dw::EndReason::Farewell ? "the server said farewell" : "the run ended";
    std::printf("dwtool play: %s after %llu frames (%d fps measured)\n", how,
                static_cast<unsigned long long>(frames), session.MeasuredFps().load());
    return 0;
}

int RunPlay(const std::vector<std::string>& args) {
    PlayOptions options;
    if (const std::optional<int> status = ParseOptions(args, options)) return *status;

    // The user's settings are read, never written: the run's report stays in memory.
    const std::unique_ptr<dw::IniSettingsStore> userSettings =
        dw::IniSettingsStore::OpenUserStore();
    dw::OverlaySettingsStore settings(*userSettings);
    ConsoleInteraction console;
    dw::InstallRenderServices({&console, &settings});
    GaugeSession session;
    if (!session.Load(options.gauge)) {
        std::fprintf(stderr, "dwtool play: cannot open '%s'\n", options.gauge.c_str());
        return 1;
    }
    dw::CGaugeDocument& document = session.Document();
    if (document.elements.Empty()) {
        std::printf("dwtool play: the gauge has no elements; nothing to play\n");
        return 0;
    }
    const dw::ServerLinkSettings link1 = options.link1.value_or(
        dw::ServerLinkSettings{document.link1.alias, document.link1.ip, document.link1.port});
    const dw::ServerLinkSettings link2 = options.link2.value_or(
        dw::ServerLinkSettings{document.link2.alias, document.link2.ip, document.link2.port});

    using namespace dw::settings;
    settings.WriteInt(kRunTime, kLastError, 0);
    settings.WriteInt(kRunTime, kLastLine, 0);
    settings.WriteInt(kRunTime, kElement, 0);

    dw::RunConfig config;
    config.elements = document.elements.Head();
    config.link1 = link1;
    config.link2 = link2;
    config.fps = document.fps;
    config.backColor = document.backColor;
    config.frameSize =
        options.width > 0 ? QSize(options.width, options.height) : GaugeExtent(document);
    config.gaugeName = document.gaugeName;
    config.store = &settings;
    config.ui = &console;
    config.plugInPath = dw::DefaultPlugInPath();
    dw::HeadlessPlayer player(config, {static_cast<std::uint64_t>(options.frames),
                                       static_cast<int>(options.seconds * 1000 + 0.5)});

    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&player] {
        if (interrupted.load()) player.Stop();
    });
    watch.start(50);
    player.Run(nullptr);
    watch.stop();

    const int status = Report(player.Session(), settings, document, link1, link2, player.Frames());
    if (!options.png.empty()) {
        const QImage frame = player.LastFrame();
        if (frame.isNull()) {
            std::printf("dwtool play: no frame was drawn; '%s' not written\n", options.png.c_str());
        } else if (!frame.save(QString::fromLocal8Bit(options.png.c_str()), "PNG")) {
            std::fprintf(stderr, "dwtool play: cannot write '%s'\n", options.png.c_str());
            return 1;
        }
    }
    dw::InstallRenderServices({});
    return status;
}

}  // namespace

DWTOOL_VERB(play, kUsage,
            "play a gauge without a window against its ZEKO servers; report how the run ended",
            RunPlay);

}  // namespace dwtool
