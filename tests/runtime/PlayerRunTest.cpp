// Whole runs of the player against a loopback server: subscriptions, values moving
// elements, values sent once per frame, the monitor's entries, clicks, and the frame period.
#include <gmock/gmock.h>

#include <QTest>
#include <mutex>
#include <regex>

#include "PlayerTestSupport.h"
#include "platform/SettingsKeys.h"
#include "runtime/CZEKOConsoleDlg.h"

namespace playertest {
namespace {

using namespace dw;
using testing::ElementsAre;

TEST_F(PlayerTest, RunSubscribesMovesElementsSendsOncePerFrameAndEndsOnEscape) {
    Gauge gauge;
    gauge.Shape({0, 0, 100, 100}, Lines({"link offset 5 server 1", "setcolor value"}));
    gauge.Shape({200, 0, 210, 10}, Lines({"link offset 7 server 1", "set offset 9 server 1 = value",
                                          "set offset 10 server 1 = 3"}));
    gauge.Shape({220, 0, 230, 10}, Lines({"link offset 5 server 1"}));   // same variable
    gauge.Shape({240, 0, 250, 10}, Lines({"link offset 12 server 2"}));  // link 2 is off
    CPlayerDlg player(Request(gauge.Head()));

    std::vector<std::string> monitor;
    int phase = 0;
    Play(player, [&](CPlayerDlg& p) {
        if (phase == 0 && server.WaitForLine("Arn.Inicio:", Ms(0))) {
            for (int i = 0; i < p.Monitor().EntryCount(); ++i)
                monitor.push_back(p.Monitor().EntryText(i).toStdString());
            server.Send("Arn.Resp:5=255:7=42:");
            phase = 1;
        }
        // Red (colour 255) reaches the frame, and 42 comes back as variable 9.
        if (phase == 1 &&
            (p.Session().Frames().CopyShown().pixel(50, 50) & 0xFFFFFFu) == 0xFF0000u &&
            server.WaitForLine("9=42:10=3:", Ms(0))) {
            QTest::keyClick(&p, Qt::Key_Escape);
            return true;
        }
        return false;
    });

    EXPECT_EQ(server.Lines().front(), "Arn.Inicio:5:7:");
    EXPECT_THAT(monitor, ElementsAre("offset 5 server 1", "offset 7 server 1", "offset 12 server 2",
                                     "Frame Rate"));
    EXPECT_EQ(RunTime(settings::kLastError), 0);
    EXPECT_EQ(player.Session().Reason(), EndReason::User);

    // One line per frame, each with both values of that frame; the farewell last.
    const std::vector<std::string> lines = server.Lines();
    const std::regex frameLine("Arn\\.Resp:(9=-?\\d+:10=3:)+(Arn\\.Fin:)?");
    std::uint64_t valueLines = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == "Arn.Fin:") continue;
        EXPECT_TRUE(std::regex_match(lines[i], frameLine)) << lines[i];
        ++valueLines;
    }
    EXPECT_NE(lines.back().find("Arn.Fin:"), std::string::npos);
    const std::uint64_t frames = player.Session().FramesDrawn();
    EXPECT_GE(valueLines, frames);
    EXPECT_LE(valueLines, frames + 1);

    // The elements keep no references to the run.
    for (CElement* e = gauge.Head(); e; e = e->GetNext())
        EXPECT_TRUE(e->values1 == nullptr && e->client1 == nullptr);
}

TEST_F(PlayerTest, ClickRunsEveryElementUnderThePointerInDrawingOrder) {
    Gauge gauge;
    gauge.Image({20, 20, 80, 80}, "None", Lines({"set offset 20 server 1 = 1"}));
    gauge.Image({50, 50, 120, 120}, "None", Lines({"set offset 20 server 1 = 2"}));
    gauge.Image({200, 200, 220, 220}, "None", "");  // no click program: no hand
    Qt::CursorShape overBoth = Qt::ArrowCursor, overPlain = Qt::PointingHandCursor;
    int phase = 0;
    CPlayerDlg player(Request(gauge.Head()));
    Play(player, [&](CPlayerDlg& p) {
        if (phase == 0 && p.Session().FramesDrawn() > 0) {
            QTest::mouseMove(&p, QPoint(60, 60));
            overBoth = p.cursor().shape();
            QTest::mouseMove(&p, QPoint(210, 210));
            overPlain = p.cursor().shape();
            QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(60, 60));
            phase = 1;
        }
        if (phase == 1 && server.WaitForLine("Arn.Resp:20=1:20=2:", Ms(0))) {
            QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(30, 30));
            phase = 2;
        }
        if (phase == 2 &&
            server.WaitFor([](const auto& lines) { return lines.back() == "Arn.Resp:20=1:"; },
                           Ms(0))) {
            p.Session().RequestEnd();
            return true;
        }
        return false;
    });
    EXPECT_EQ(overBoth, Qt::PointingHandCursor);
    EXPECT_EQ(overPlain, Qt::ArrowCursor);
    EXPECT_EQ(RunTime(settings::kLastError), 0);
}

TEST_F(PlayerTest, F9ShowsTheMonitorWithItsEntriesAndHidesIt) {
    Gauge gauge;
    gauge.Shape({0, 0, 10, 10}, Lines({"link offset 300 server 1"}));
    bool shownOnF9 = false, refreshing = false, hiddenByF9 = false, hiddenByEscape = false;
    int phase = 0;
    CPlayerDlg player(Request(gauge.Head()));
    Play(player, [&](CPlayerDlg& p) {
        CZEKOConsoleDlg& monitor = p.Monitor();
        if (phase == 0) {
            EXPECT_FALSE(monitor.isVisible());  // created hidden
            QTest::keyClick(&p, Qt::Key_F9);
            shownOnF9 = monitor.isVisible();
            refreshing = monitor.IsRefreshing();
            server.Send("Arn.Resp:300=77:");
            phase = 1;
        } else if (phase == 1 && monitor.ValueText() == "77") {
            QTest::keyClick(&monitor, Qt::Key_F9);
            hiddenByF9 = !monitor.isVisible() && !monitor.IsRefreshing();
            QTest::keyClick(&p, Qt::Key_F9);
            QTest::keyClick(&monitor, Qt::Key_Escape);
            hiddenByEscape = !monitor.isVisible();
            p.Session().RequestEnd();
            return true;
        }
        return false;
    });
    EXPECT_TRUE(shownOnF9 && refreshing);
    EXPECT_EQ(phase, 1);
    EXPECT_TRUE(hiddenByF9);
    EXPECT_TRUE(hiddenByEscape);
    EXPECT_EQ(player.Monitor().EntryText(0), "offset 300 server 1");
    EXPECT_EQ(player.Monitor().EntryText(1), "Frame Rate");
    EXPECT_EQ(player.Monitor().EntryCell(0), &player.Session().Links().Values(1)[300]);
    EXPECT_EQ(player.Monitor().EntryCell(1), &player.Session().MeasuredFps());
}

// The loop waits a quarter second, then the whole period before every frame (1, 10 and 40
// frames a second: 1000, 100 and 25 ms).
TEST_F(PlayerTest, FrameLoopWaitsTheInitialQuarterSecondThenThePeriodBeforeEveryFrame) {
    for (auto [fps, period] : {std::pair{1, 1000}, {10, 100}, {40, 25}}) {
        Gauge gauge;
        gauge.Shape({0, 0, 10, 10}, "None");
        PlayerRequest request = Request(gauge.Head());
        request.fps = fps;
        CPlayerDlg player(request);
        std::mutex mutex;
        std::vector<int> waits;
        player.Session().SetFrameWaitObserver([&](int ms) {
            const std::lock_guard lock(mutex);
            waits.push_back(ms);
        });
        Play(player, [&](CPlayerDlg& p) {
            const std::lock_guard lock(mutex);
            if (waits.size() < (fps == 1 ? 2u : 4u)) return false;
            p.Session().RequestEnd();
            return true;
        });
        ASSERT_GE(waits.size(), 2u) << fps;
        EXPECT_EQ(waits[0], RunSession::kInitialWaitMs) << fps;
        for (std::size_t i = 1; i < waits.size(); ++i) EXPECT_EQ(waits[i], period) << fps;
    }
}

}  // namespace
}  // namespace playertest
