// dwtool info FILE: opens the gauge FILE as Gauge > Open does and lists its properties, its
// two server links and its elements (kind, name, rectangle, primary link) on stdout.
#include <cstdio>
#include <string>
#include <vector>

#include "GaugeSession.h"
#include "Verb.h"
#include "files/AttributeCodec.h"
#include "model/CElement.h"

namespace dwtool {
namespace {

constexpr const char* kUsage = "info FILE";

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string LinkText(const dw::GaugeLink& link) {
    return Quoted(link.alias) + " " + link.ip + ":" + std::to_string(link.port);
}

std::string PrimaryLinkText(const dw::CElement& element) {
    const std::int32_t server = element.GetLinkedServer();
    if (server == 0) return "none";
    return "offset " + std::to_string(element.GetLinkedOffset()) + " server " +
           std::to_string(server);
}

int RunInfo(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty()) {
        std::fprintf(stderr, "usage: dwtool %s\n", kUsage);
        return 2;
    }
    GaugeSession session;
    if (!session.Load(args[0])) return 1;
    const dw::CGaugeDocument& doc = session.Document();
    const dw::WindowPlacement& window = session.Host().placement;

    std::string out;
    out += "name: " + Quoted(doc.gaugeName) + "\n";
    out += "fps: " + std::to_string(doc.fps) + "\n";
    out += "backcolor: " + dw::FormatColour(doc.backColor) + "\n";
    out += "runatstart: " + dw::FormatFlag(doc.runAtStart) + "\n";
    out += "aliasfile: " + Quoted(doc.aliasFile) + "\n";
    out += "window: " + std::to_string(window.x) + " " + std::to_string(window.y) + " " +
           std::to_string(window.width) + "x" + std::to_string(window.height) +
           (window.maximized ? " maximized" : "") + "\n";
    out += "customcolors:";
    for (dw::Colour colour : doc.customColors) out += " " + dw::FormatColour(colour);
    out += "\n";
    out += "zekolink_1: " + LinkText(doc.link1) + "\n";
    out += "zekolink_2: " + LinkText(doc.link2) + "\n";
    out += "elements: " + std::to_string(doc.elements.Count()) + "\n";
    int number = 0;
    for (const dw::CElement& e : doc.elements) {
        const dw::Rect& r = e.GetRect();
        out += std::to_string(++number) + " " + std::string(dw::TypeWordOf(e.GetKind())) + " " +
               Quoted(e.GetName()) + " (" + std::to_string(r.left) + "," + std::to_string(r.top) +
               ")-(" + std::to_string(r.right) + "," + std::to_string(r.bottom) + ") link " +
               PrimaryLinkText(e) + "\n";
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

DWTOOL_VERB(info, kUsage, "list a gauge's properties, links and elements", RunInfo);

}  // namespace dwtool
