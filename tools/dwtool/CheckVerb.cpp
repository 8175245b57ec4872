// dwtool check GAUGE...: opens each gauge as Gauge > Open does and prints every problem that
// would stop or spoil a run, one per line in the style compilers use
// ('FILE: element N "NAME": message'), each script problem followed by its marked line.
// Exit code 0 when no gauge has a problem, 1 when any has, 2 on usage errors.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "GaugeSession.h"
#include "Verb.h"
#include "platform/IniSettingsStore.h"
#include "platform/OverlaySettingsStore.h"
#include "runtime/GaugeCheck.h"

namespace dwtool {
namespace {

constexpr const char* kUsage = "check GAUGE...";

int RunCheck(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
        return 2;
    }
    for (const std::string& arg : args) {
        if (arg.empty() || arg[0] == '-') {
            std::fprintf(stderr, "dwtool check: unknown option '%s'\nusage: dwtool %s\n",
                         arg.c_str(), kUsage);
            return 2;
        }
    }
    // Image search folders come from the user's settings; nothing is written back.
    const std::unique_ptr<dw::IniSettingsStore> userSettings =
        dw::IniSettingsStore::OpenUserStore();
    dw::OverlaySettingsStore settings(*userSettings);
    GaugeSession session;  // registers the element kinds

    std::size_t problems = 0;
    std::size_t gauges = 0;
    for (const std::string& gauge : args) {
        const std::vector<dw::GaugeProblem> found = dw::CheckGaugeFile(gauge, &settings);
        if (!found.empty()) ++gauges;
        problems += found.size();
        std::string out;
        for (const dw::GaugeProblem& problem : found) out += dw::FormatGaugeProblem(gauge, problem);
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    if (std::fflush(stdout) != 0) return 1;
    if (problems == 0) return 0;
    std::fprintf(stderr, "dwtool check: %zu problem(s) in %zu of %zu gauge(s)\n", problems, gauges,
                 args.size());
    return 1;
}

}  // namespace

DWTOOL_VERB(check, kUsage, "report what would stop or spoil a run of each gauge", RunCheck);

}  // namespace dwtool
