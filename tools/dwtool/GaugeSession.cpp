#include "GaugeSession.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/CElement.h"
#include "model/ElementFactory.h"
#include "runtime/ElementKinds.h"
#include "script/ScriptEngine.h"

namespace dwtool {

namespace {

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

}  // namespace

GaugeSession::GaugeSession()
    : previousServices(dw::CurrentRenderServices()), document(console, clipboard, host) {
    dw::RegisterAllKinds(dw::ElementFactory::Instance());
    dw::InstallScriptEngine();  // loaded elements read their primary link
    dw::InstallRenderServices({&console, previousServices.settings});
}

GaugeSession::~GaugeSession() {
    dw::InstallRenderServices(previousServices);
}

bool GaugeSession::Load(const std::string& path) {
    document.gaugePath = Absolute(path);
    return document.LoadGauge(false);
}

bool GaugeSession::Save(const std::string& path) {
    document.gaugePath = Absolute(path);
    return document.WriteGauge();
}

QSize GaugeExtent(const dw::CGaugeDocument& document) {
    constexpr int kMaxSide = 8192;
    int w = 1;
    int h = 1;
    for (const dw::CElement& e : document.elements) {
        const int extra = e.GetKind() == dw::ElementKind::Primitive ? 1 : 0;
        w = std::max(w, e.GetRect().right + extra);
        h = std::max(h, e.GetRect().bottom + extra);
    }
    return QSize(std::min(w, kMaxSide), std::min(h, kMaxSide));
}

}  // namespace dwtool
