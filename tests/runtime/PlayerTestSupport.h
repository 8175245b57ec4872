#pragma once
// Whole runs of the player in-process: gauges built in code, the real player window driven
// on the window thread by a step function, and a loopback ZEKO server.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/CElement.h"
#include "model/ElementList.h"
#include "model/ElementOwner.h"
#include "runtime/CPlayerDlg.h"
#include "runtime/PlayerRun.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"
#include "support/ZekoTestServer.h"

namespace playertest {

using Ms = std::chrono::milliseconds;

// Script lines joined with CR LF, one after the last.
std::string Lines(std::initializer_list<const char*> lines);

// The editor's side of a run: the owner the elements go back to.
class EditorOwner : public dw::IElementOwner {
public:
    void InvalidateRect(const dw::Rect&) override {}
    dw::Point ClientOriginOnScreen() const override { return {}; }
};

// An element kind whose drawing throws while the player runs (a fault).
class ThrowingElement : public dw::CElement {
public:
    explicit ThrowingElement(const dw::Rect& r);
    void Draw(QPainter& painter) override;
};

// A gauge built in code.
struct Gauge {
    dw::CElement* Shape(dw::Rect rect, const std::string& program);
    dw::CElement* Image(dw::Rect rect, const std::string& program, const std::string& click);
    dw::CElement* Add(std::unique_ptr<dw::CElement> element);
    dw::CElement* Head() const { return list.Head(); }
    dw::ElementList list;
};

// Runs `run`, calling `step` every 5 ms on the window thread meanwhile until it returns true;
// a run still going after `limit` is ended through `end` and the test fails.
void StepWhile(const std::function<void()>& run, const std::function<bool()>& step,
               const std::function<void()>& end, Ms limit = Ms(15000));

// A free port on 127.0.0.1 where nobody listens.
int ClosedPort();

class PlayerTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Link 1 to the test server, link 2 off, 40 fps, the player at (10, 10), 320 x 240.
    dw::PlayerRequest Request(dw::CElement* head);
    // Runs the player window; `step` is called every 5 ms on the window thread once the window
    // shows, until it returns true; a run still going after `limit` is ended and the test fails.
    void Play(dw::CPlayerDlg& player, std::function<bool(dw::CPlayerDlg&)> step,
              Ms limit = Ms(15000));
    int RunTime(const char* key) const;

    dwtest::MemorySettingsStore store;
    dwtest::ScriptedInteraction ui;
    dwtest::ZekoTestServer server;
    dwtest::TempDir folder;
    EditorOwner editor;
};

}  // namespace playertest
