#pragma once
// The editor window driven as a user drives it: a scripted user, a fake clipboard, an
// in-memory settings store and a temporary folder; the window gets fakes for the player and
// the dialogs. Points are canvas pixels (one gauge pixel per pixel on the offscreen screen).
#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/CDialwrightDlg.h"
#include "editor/CommandIds.h"
#include "editor/EditorDialogs.h"
#include "model/ElementHooks.h"
#include "model/FramePens.h"
#include "platform/SettingsKeys.h"
#include "support/FakeClipboard.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace dwtest {

// Gauge and configuration dialogs that answer as prepared and record what they were shown.
class FakeEditorDialogs : public dw::IEditorDialogs {
public:
    bool EditGaugeProperties(dw::GaugePropertiesValues& values) override {
        shown.push_back(values);
        if (!accept) return false;
        if (edit) edit(values);
        return true;
    }
    bool ConfigureServerLinks(dw::GaugeLink& link1, dw::GaugeLink& link2) override {
        ++linkDialogs;
        if (!accept) return false;
        link1.port = 9999;
        (void)link2;
        return true;
    }
    void ConfigurePaths() override {}

    bool accept = true;
    std::function<void(dw::GaugePropertiesValues&)> edit;
    std::vector<dw::GaugePropertiesValues> shown;
    int linkDialogs = 0;
};

// Installs an element properties dialog stand-in for one test: it records the programs it
// was shown and may change the element.
class PropertiesHook {
public:
    explicit PropertiesHook(std::function<void(dw::CElement&)> change = {});
    ~PropertiesHook();
    std::vector<std::string> shownPrograms;  // mainProgram as the dialog saw it
    int calls = 0;

private:
    dw::ElementHooks saved;
    std::function<void(dw::CElement&)> change;
};

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Seeds a 640 x 480 window at (0, 0), then starts the window.
    void Start(const dw::StartOptions& options = {});
    dw::CDialwrightDlg& Window() { return *window; }
    dw::CGaugeDocument& Doc() { return window->Document(); }
    QWidget* Canvas() { return &window->Canvas(); }

    // Mouse and keys on the canvas.
    void Press(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mousePress(Canvas(), Qt::LeftButton, mods, p);
    }
    void MoveTo(QPoint p) { QTest::mouseMove(Canvas(), p); }
    void Release(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseRelease(Canvas(), Qt::LeftButton, mods, p);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void Click(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Press(p, mods);
        Release(p, mods);
    }
    void Key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Canvas(), static_cast<Qt::Key>(qtKey), mods);
    }
    bool Command(int id) { return window->ExecuteCommand(id); }
    // Appends an element of that kind (a basic graph unless given) with that rectangle.
    dw::CElement* Add(dw::Rect r, const char* type = "primitive");

    // Each element as "kind:left,top,right,bottom" plus "*" when selected, "g" grouped,
    // "L" locked, joined by blanks.
    std::string Layout();
    std::string Rects();

    ScriptedInteraction ui;
    FakeClipboard clipboard;
    MemorySettingsStore settings;
    TempDir dir;
    FakeEditorDialogs dialogs;
    dw::EditorServices services;
    std::unique_ptr<dw::CDialwrightDlg> window;
};

}  // namespace dwtest
