// The ways a run ends in the player window, and the "RunTime" report each leaves for the
// editor (a farewell and script errors of the main program: the session and dwtool play tests).
#include <QTest>
#include <thread>

#include "PlayerTestSupport.h"
#include "platform/SettingsKeys.h"
#include "render/CGraph.h"

namespace playertest {
namespace {

using namespace dw;

struct EndCase {
    const char* name;
    // Builds the gauge and changes the request.
    std::function<void(Gauge&, PlayerRequest&, int closedPort)> setUp;
    // Runs on the window thread once frames are drawn (or at once when `frames` is false);
    // true when it has done its part.
    std::function<bool(CPlayerDlg&, dwtest::ZekoTestServer&)> act;
    bool needsFrames;
    int lastError;
    int lastLine;
    int element;
    EndReason reason;
    const char* messageTitle;  // the box shown during the run, "" for none
};

class PlayerEndTest : public PlayerTest, public testing::WithParamInterface<EndCase> {};

TEST_P(PlayerEndTest, LeavesItsReport) {
    const EndCase& c = GetParam();
    Gauge gauge;
    PlayerRequest request = Request(nullptr);
    c.setUp(gauge, request, ClosedPort());
    request.elements = gauge.Head();
    CPlayerDlg player(request);
    bool acted = false;
    PlayWindow(player, [&](CPlayerDlg& p) {
        if (!acted && (!c.needsFrames || p.Session().FramesDrawn() > 1)) acted = c.act(p, server);
        return false;  // the run ends by itself
    });
    EXPECT_EQ(RunTime(settings::kLastError), c.lastError);
    EXPECT_EQ(RunTime(settings::kLastLine), c.lastLine);
    EXPECT_EQ(RunTime(settings::kElement), c.element);
    EXPECT_EQ(player.Session().Reason(), c.reason);
    if (c.reason == EndReason::LinkFailed) {  // before any frame
        EXPECT_EQ(player.Session().FramesDrawn(), 0u);
        EXPECT_EQ(player.Monitor().EntryCount(), 1);  // the variable, but no "Frame Rate"
    }
    if (*c.messageTitle) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, c.messageTitle);
        EXPECT_EQ(ui.messages[0].text,
                  "Internal error code: 8001\r\n\r\nAn internal DW error has been detected. "
                  "DW must stop.");
        EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    } else {
        EXPECT_TRUE(ui.messages.empty());
    }
}

void Plain(Gauge& gauge, PlayerRequest&, int) {
    gauge.Shape({0, 0, 10, 10}, Lines({"link offset 5 server 1"}));
}

const EndCase kEndCases[] = {
    {"Escape", Plain,
     [](CPlayerDlg& p, dwtest::ZekoTestServer&) {
         QTest::keyClick(&p, Qt::Key_Escape);
         return true;
     },
     true, 0, 0, 0, EndReason::User, ""},
    {"CloseRequest", Plain,
     [](CPlayerDlg& p, dwtest::ZekoTestServer&) {
         p.close();
         return true;
     },
     true, 0, 0, 0, EndReason::User, ""},
    {"ClickScriptError",
     [](Gauge& gauge, PlayerRequest&, int) {
         gauge.Image({0, 0, 50, 50}, "None", Lines({"value = 1", "round 5"}));
     },
     [](CPlayerDlg& p, dwtest::ZekoTestServer&) {
         QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(20, 20));
         return true;
     },
     true, -1, 2, 1, EndReason::ScriptError, ""},
    {"FaultInADrawing",
     [](Gauge& gauge, PlayerRequest&, int) {
         gauge.Shape({0, 0, 10, 10}, Lines({"link offset 5 server 1"}));
         gauge.Add(std::make_unique<ThrowingElement>(Rect{0, 0, 5, 5}));
     },
     [](CPlayerDlg&, dwtest::ZekoTestServer&) { return true; }, false, 8001, 0, 2, EndReason::Fault,
     "Internal DW error."},
    {"BothLinksUnreachable",
     [](Gauge& gauge, PlayerRequest& request, int closedPort) {
         Plain(gauge, request, 0);
         request.link1.port = closedPort;
         request.link2 = {"MORV", "127.0.0.1", closedPort};
     },
     [](CPlayerDlg&, dwtest::ZekoTestServer&) { return true; }, false, 9002, 0, 0,
     EndReason::LinkFailed, ""},
};

INSTANTIATE_TEST_SUITE_P(Ends, PlayerEndTest, testing::ValuesIn(kEndCases),
                         [](const testing::TestParamInfo<EndCase>& info) {
                             return std::string(info.param.name);
                         });

// A question asked by a script on the frame thread (the image's "File not fount") is
// shown by the window thread, which keeps serving the run meanwhile.
class ThreadRecordingInteraction : public dwtest::ScriptedInteraction {
public:
    Answer ShowMessage(const MessageRequest& request) override {
        threads.push_back(std::this_thread::get_id());
        return ScriptedInteraction::ShowMessage(request);
    }
    std::vector<std::thread::id> threads;
};

TEST_F(PlayerTest, FrameThreadQuestionsAreAskedOnTheWindowThread) {
    Gauge gauge;
    gauge.Image({0, 0, 20, 20}, Lines({"link offset 5 server 1", "setfile missing.png"}), "");
    ThreadRecordingInteraction asking;
    PlayerRequest request = Request(gauge.Head());
    request.ui = &asking;
    Play(request, [&](CPlayerDlg& p) {
        if (asking.threads.size() < 2) return false;
        p.Session().RequestEnd();
        return true;
    });
    ASSERT_GE(asking.threads.size(), 2u);
    for (const std::thread::id& id : asking.threads) EXPECT_EQ(id, std::this_thread::get_id());
    EXPECT_EQ(asking.messages[0].title, "File not fount");
    EXPECT_EQ(RunTime(settings::kLastError), 0);
}

}  // namespace
}  // namespace playertest
