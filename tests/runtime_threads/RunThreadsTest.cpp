// A whole run with its threads, without Qt's event loop: the window thread is the test's
// own task loop, so every lock the run takes is one ThreadSanitizer sees. The frame thread
// runs scripts, draws and flushes; the window thread paints, clicks and ends the run; two
// clients store values and send them.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "model/ElementList.h"
#include "model/ElementOwner.h"
#include "platform/SettingsKeys.h"
#include "render/CGraph.h"
#include "render/CPrimitive.h"
#include "runtime/RunSession.h"
#include "script/ScriptEngine.h"
#include "support/MemorySettingsStore.h"
#include "support/ZekoTestServer.h"

namespace {

using namespace dw;
using Clock = std::chrono::steady_clock;

// The window thread: a task queue served by the thread that calls Serve.
class PlainHost : public IRunHost, public IElementOwner {
public:
    void PostToWindow(std::function<void()> task) override {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks_.push_back(std::move(task));
        wake_.notify_all();
    }
    bool IsWindowThread() const override { return std::this_thread::get_id() == window_; }
    void FrameReady() override {
        PostToWindow([this] { paint_(); });
    }
    void ShowPlayerWindow(bool) override {}
    void EndModal() override { ended_ = true; }
    void InvalidateRect(const Rect&) override {}
    Point ClientOriginOnScreen() const override { return {}; }

    // Serves tasks (and `tick` every few milliseconds) until EndModal or the time limit.
    bool Serve(const std::function<void()>& paint, const std::function<void()>& tick,
               std::chrono::milliseconds limit) {
        paint_ = paint;
        const auto deadline = Clock::now() + limit;
        while (!ended_ && Clock::now() < deadline) {
            std::deque<std::function<void()>> now;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait_for(lock, std::chrono::milliseconds(2), [&] { return !tasks_.empty(); });
                now.swap(tasks_);
            }
            for (auto& task : now) task();
            if (!ended_) tick();
        }
        return ended_;
    }

private:
    std::thread::id window_ = std::this_thread::get_id();
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    std::function<void()> paint_ = [] {};
    bool ended_ = false;
};

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

class RunThreadsTest : public testing::Test {
protected:
    void SetUp() override {
        InstallScriptEngine();
        AddShape({0, 0, 40, 40}, Lines({"link offset 5 server 1", "setcolor value"}));
        AddShape({40, 0, 80, 40}, Lines({"link offset 6 server 2", "data = value", "setpos data",
                                         "set offset 30 server 1 = value"}));
        auto click = std::make_unique<CGraph>(nullptr, Rect{0, 40, 40, 80});
        click->mainProgram = Lines({"link offset 7 server 1", "data = value", "rotate"});
        click->clickProgram = Lines({"set offset 20 server 2 = 5"});
        elements.Append(std::move(click));
        config.elements = elements.Head();
        config.link1 = {"FlightSimulator", "127.0.0.1", server1.Port()};
        config.link2 = {"MORV", "127.0.0.1", server2.Port()};
        config.fps = 40;
        config.frameSize = QSize(80, 80);
        config.store = &store;
    }
    void AddShape(Rect rect, const std::string& program) {
        auto shape = std::make_unique<CPrimitive>(nullptr, rect);
        shape->mainProgram = program;
        elements.Append(std::move(shape));
    }

    dwtest::ZekoTestServer server1;
    dwtest::ZekoTestServer server2;
    dwtest::MemorySettingsStore store;
    ElementList elements;
    RunConfig config;
    PlainHost host;
};

TEST_F(RunThreadsTest, ValuesFramesClicksAndAFarewellAcrossAllThreads) {
    elements.Head()->SetRunMode(&host, true);
    RunSession session(config, host);
    session.Begin();
    session.Initialise();
    int painted = 0, clicks = 0, sent = 0;
    const bool ended = host.Serve(
        [&] {
            session.NotePainted();
            session.Frames().WithShown([&](const QImage&, std::uint64_t) { ++painted; });
        },
        [&] {
            // Values keep coming on both links while the window thread clicks.
            if (sent < 40) {
                ++sent;
                server1.Send("Arn.Resp:5=" + std::to_string(sent) +
                             ":7=" + std::to_string(sent * 9) + ":");
                server2.Send("Arn.Resp:6=" + std::to_string(sent) + ":");
                if (session.ClickableAt({10, 50})) {
                    session.Press({10, 50});
                    clicks += session.Release({10, 50});
                }
            } else if (server2.WaitForLine("20=5:", std::chrono::milliseconds(0)) &&
                       server1.WaitForLine("30=40:", std::chrono::milliseconds(0))) {
                server2.Send("Arn.Fin:");
            }
        },
        std::chrono::seconds(20));
    session.Finish();
    elements.Head()->SetRunMode(&host, false);

    EXPECT_TRUE(ended);
    EXPECT_EQ(session.Reason(), EndReason::Farewell);
    EXPECT_GT(painted, 0);
    EXPECT_EQ(clicks, 40);
    EXPECT_EQ(store.ReadInt(settings::kRunTime, settings::kLastError, 0), 0);
    EXPECT_TRUE(server1.WaitForLine("Arn.Fin:"));  // the player's own farewell
}

TEST_F(RunThreadsTest, AnEndBeforeTheFirstFrameNeverStartsTheLoop) {
    elements.Head()->SetRunMode(&host, true);
    RunSession session(config, host);
    session.Begin();
    session.RequestEnd();  // Escape while the links are still being opened
    session.Initialise();
    EXPECT_TRUE(host.Serve([] {}, [] {}, std::chrono::seconds(5)));
    session.Finish();
    elements.Head()->SetRunMode(&host, false);
    EXPECT_EQ(session.FramesDrawn(), 0u);
    EXPECT_EQ(session.Reason(), EndReason::User);
}

}  // namespace
