#include "EditorTestSupport.h"

#include "files/Paths.h"
#include "files/XmlNode.h"
#include "model/ElementFactory.h"
#include "runtime/ElementKinds.h"
#include "script/ScriptEngine.h"

namespace dwtest {

using namespace dw;

PropertiesHook::PropertiesHook(std::function<void(CElement&)> changeFn)
    : saved(CurrentElementHooks()), change(std::move(changeFn)) {
    ElementHooks hooks = saved;
    hooks.editProperties = [this](CElement& e) {
        ++calls;
        shownPrograms.push_back(e.mainProgram);
        if (change) change(e);
    };
    InstallElementHooks(hooks);
}

PropertiesHook::~PropertiesHook() {
    InstallElementHooks(saved);
}

void EditorTest::SetUp() {
    RegisterAllKinds(ElementFactory::Instance());
    InstallScriptEngine();
    SetCharMode(CharMode::SingleByte);
}

void EditorTest::TearDown() {
    window.reset();
    ResetWorkingFolder();
}

void EditorTest::Start(const StartOptions& options) {
    using namespace dw::settings;
    if (!settings.Has(kZeko, kRectRight)) {
        settings.SeedInt(kZeko, kRectLeft, 0);
        settings.SeedInt(kZeko, kRectTop, 0);
        settings.SeedInt(kZeko, kRectRight, 640);
        settings.SeedInt(kZeko, kRectBottom, 480);
    }
    window = std::make_unique<CDialwrightDlg>(
        EditorEnvironment{ui, clipboard, settings, dir.Path().string()}, services);
    window->Start(options);
}

void EditorTest::Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods) {
    Press(from, mods);
    MoveTo((from + to) / 2);
    MoveTo(to);
    Release(to, mods);
}

CElement* EditorTest::Add(Rect r, const char* type) {
    return Doc().elements.Append(ElementFactory::Instance().Create(type, &Window(), r));
}

std::string EditorTest::Layout() {
    std::string out;
    for (const CElement& e : Doc().elements) {
        if (!out.empty()) out += ' ';
        out += std::string(TypeWordOf(e.GetKind())).substr(0, 1);
        const Rect& r = e.GetRect();
        out += ":" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
        if (e.IsSelected()) out += '*';
        if (e.GetGroup() != 0) out += 'g';
        if (e.locked) out += 'L';
    }
    return out;
}

std::string EditorTest::Rects() {
    std::string out;
    for (const CElement& e : Doc().elements) {
        const Rect& r = e.GetRect();
        if (!out.empty()) out += ' ';
        out += std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.Width()) + "x" + std::to_string(r.Height());
    }
    return out;
}

}  // namespace dwtest
