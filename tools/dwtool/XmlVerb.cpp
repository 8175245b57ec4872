// dwtool xml FILE [--root TAG]: reads FILE as the program opens gauge files (character mode
// guessed from its start, optional required root) and prints it formatted to stdout.
#include <cstdio>
#include <string>
#include <vector>

#include "ConsoleInteraction.h"
#include "Verb.h"
#include "files/XmlNode.h"

namespace dwtool {
namespace {

constexpr const char* kUsage = "xml FILE [--root TAG]";

int RunXml(const std::vector<std::string>& args) {
    std::string path;
    std::string root;
    bool haveRoot = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--root" && i + 1 < args.size()) {
            root = args[++i];
            haveRoot = true;
        } else if (path.empty() && !args[i].empty() && args[i][0] != '-') {
            path = args[i];
        } else {
            std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
            return 2;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
        return 2;
    }
    ConsoleInteraction console;
    const dw::XmlNode node = dw::OpenFileHelper(path, haveRoot ? root.c_str() : nullptr, console);
    if (node.IsEmpty()) return 1;
    const std::string text = dw::CreateString(node, true);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

DWTOOL_VERB(xml, kUsage, "parse FILE and print it formatted", RunXml);

}  // namespace dwtool
