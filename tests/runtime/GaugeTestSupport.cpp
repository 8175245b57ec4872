#include "GaugeTestSupport.h"

#include <filesystem>
#include <sstream>

#include "runtime/ElementKinds.h"

namespace dwtest {

using namespace dw;

void RegisterKindsOnce() {
    RegisterAllKinds(ElementFactory::Instance());
}

std::unique_ptr<CElement> Sample(SampleKind kind) {
    XmlResults results;
    const XmlNode node = ParseString(SampleXml(kind), "element", &results);
    EXPECT_EQ(results.error, 0);
    return ElementFactory::Instance().Load(node, nullptr).element;
}

ElementList SampleElements() {
    ElementList list;
    for (SampleKind kind : {kGraph, kText, kPrimitive, kAudio}) list.Append(Sample(kind));
    return list;
}

std::string Layout(const ElementList& list) {
    std::string text;
    for (CElement* e = list.Head(); e; e = e->GetNext())
        text += (text.empty() ? "" : " | ") + std::string(TypeWordOf(e->GetKind())) + " " +
                std::to_string(e->GetRect().left) + "," + std::to_string(e->GetRect().top) + " g" +
                std::to_string(e->GetGroup()) + (e->IsSelected() ? "*" : "") +
                (e->IsPrimary() ? "!" : "");
    return text;
}

void GaugeSession::FillDocument() {
    doc.elements = SampleElements();
    std::tie(doc.gaugeName, doc.fps, doc.backColor, doc.runAtStart, doc.aliasFile) =
        std::make_tuple("Caf\xE9 & \"A\"", 25, 0x102030, true, "aliases.txt");
    for (int i = 0; i < 16; ++i) doc.customColors[i] = static_cast<Colour>(i * 1000 - 1);
    doc.link1 = {"FlightSimulator", "127.0.0.1", 8090};
    doc.link2 = {"Radio", "192.0.2.1", 8092};
    host.placement = {-8, 12, 1024, 768, true};
}

std::string GaugeSession::Summary() const {
    std::ostringstream s;
    s << doc.gaugeName << " fps" << doc.fps << " run" << doc.runAtStart << " c"
      << doc.customColors[0] << " [";
    for (CElement* e = doc.elements.Head(); e; e = e->GetNext())
        s << TypeWordOf(e->GetKind()) << (e->GetNext() ? " " : "");
    const WindowPlacement& w = host.placement;
    s << "] " << std::filesystem::path(doc.gaugePath).filename().string()
      << (doc.modified ? " modified" : "") << " | at " << w.x << "," << w.y << " " << w.width << "x"
      << w.height << " max" << w.maximized << " placed" << host.placementsRestored << " timers"
      << host.runTimers.size() << " reloads" << host.aliasFiles.size() << " |";
    for (const dw::MessageRequest& m : ui.messages) s << " <" << m.title << ">";
    return s.str();
}

}  // namespace dwtest
