// dwtool: the command-line companion of Dialwright.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Verb.h"

namespace dwtool {

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
        std::fprintf(out, "  %-48s %s\n", verb.usage.c_str(), verb.summary.c_str());
}

}  // namespace dwtool

int main(int argc, char** argv) {
    using namespace dwtool;
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    for (const Verb& verb : Verbs()) {
        if (verb.name == name) return verb.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "dwtool: unknown verb '%s'\n\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}
