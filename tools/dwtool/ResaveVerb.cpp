// dwtool resave IN OUT: opens the gauge IN as Gauge > Open does and writes it to OUT as
// Gauge > Save does. Messages go to stderr; the exit code is 1 when IN is refused or OUT
// can't be written.
#include <cstdio>
#include <string>
#include <vector>

#include "GaugeSession.h"
#include "Verb.h"

namespace dwtool {
namespace {

constexpr const char* kUsage = "resave IN OUT";

int RunResave(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0].empty() || args[1].empty()) {
        std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
        return 2;
    }
    GaugeSession session;
    if (!session.Load(args[0])) return 1;
    return session.Save(args[1]) ? 0 : 1;
}

}  // namespace

DWTOOL_VERB(resave, kUsage, "open a gauge and save it again under another name", RunResave);

}  // namespace dwtool
