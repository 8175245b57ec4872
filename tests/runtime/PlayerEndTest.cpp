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

// What the test does on the window thread once frames are drawn; None: the run ends by itself.
enum class Act { Close, Click, None };

struct EndCase {
    const char* name;
    Act act;
    int lastError;
    int lastLine;
    int element;
    EndReason reason;
};

class PlayerEndTest : public PlayerTest, public testing::WithParamInterface<EndCase> {};

// The gauge is one shape linked to variable 5, or for the click an image whose click program
// fails at line 2; a fault adds an element whose drawing throws; both links may be unreachable.
TEST_P(PlayerEndTest, LeavesItsReport) {
    const EndCase& c = GetParam();
    Gauge gauge;
    if (c.act == Act::Click)
        gauge.Image({0, 0, 50, 50}, "None", Lines({"value = 1", "round 5"}));
    else
        gauge.Shape({0, 0, 10, 10}, Lines({"link offset 5 server 1"}));
    if (c.reason == EndReason::Fault)
        gauge.Add(std::make_unique<ThrowingElement>(Rect{0, 0, 5, 5}));
    PlayerRequest request = Request(gauge.Head());
    if (c.reason == EndReason::LinkFailed) {
        request.link1.port = ClosedPort();
        request.link2 = {"MORV", "127.0.0.1", request.link1.port};
    }
    CPlayerDlg player(request);
    bool acted = c.act == Act::None;
    Play(player, [&](CPlayerDlg& p) {
        if (acted || p.Session().FramesDrawn() < 2) return false;
        if (c.act == Act::Close) p.close();
        if (c.act == Act::Click) QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(20, 20));
        acted = true;
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
    if (c.reason == EndReason::Fault) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].title, "Internal DW error.");
        EXPECT_EQ(ui.messages[0].text,
                  "Internal error code: 8001\r\n\r\nAn internal DW error has been detected. "
                  "DW must stop.");
        EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    } else {
        EXPECT_TRUE(ui.messages.empty());
    }
}

// Escape ends the first of the player runs (PlayerRunTest).
const EndCase kEndCases[] = {
    {"CloseRequest", Act::Close, 0, 0, 0, EndReason::User},
    {"ClickScriptError", Act::Click, -1, 2, 1, EndReason::ScriptError},
    {"FaultInADrawing", Act::None, 8001, 0, 2, EndReason::Fault},
    {"BothLinksUnreachable", Act::None, 9002, 0, 0, EndReason::LinkFailed},
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
    CPlayerDlg player(request);
    Play(player, [&](CPlayerDlg& p) {
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
