// The run's building blocks: the double-buffered frame and waiting calls to the window
// thread that a run's end cancels.
#include <gtest/gtest.h>

#include <QColor>
#include <atomic>
#include <deque>
#include <thread>

#include "runtime/CPlayerDlg.h"
#include "runtime/FrameBuffers.h"
#include "runtime/WindowCalls.h"

namespace {

using namespace dw;

TEST(FrameBuffersTest, PublishingShowsTheDrawnFrameAndDrawsIntoTheOther) {
    FrameBuffers frames;
    frames.Create(QSize(4, 3));
    frames.Drawing().fill(Qt::red);
    EXPECT_EQ(frames.Publish(), 1u);
    frames.WithShown([](const QImage& shown, std::uint64_t number) {
        EXPECT_EQ(number, 1u);
        EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    });
    frames.Drawing().fill(Qt::blue);  // the shown frame is not touched
    EXPECT_EQ(frames.CopyShown().pixelColor(3, 2), QColor(Qt::red));
    frames.Publish();
    EXPECT_EQ(frames.CopyShown().pixelColor(3, 2), QColor(Qt::blue));
    EXPECT_EQ(frames.Size(), QSize(4, 3));
}

TEST(FrameSizeTest, OneGaugePixelOnOneDevicePixel) {
    EXPECT_EQ(CPlayerDlg::FrameSizeFor(QSize(1024, 768), 1.0), QSize(1024, 768));
    EXPECT_EQ(CPlayerDlg::FrameSizeFor(QSize(512, 384), 2.0), QSize(1024, 768));
    EXPECT_EQ(CPlayerDlg::FrameSizeFor(QSize(683, 512), 1.5), QSize(1025, 768));
}

// A window thread made of a task queue that the test drains by hand.
class QueueHost : public IRunHost {
public:
    void PostToWindow(std::function<void()> task) override {
        std::lock_guard<std::mutex> lock(mutex);
        tasks.push_back(std::move(task));
    }
    bool IsWindowThread() const override { return std::this_thread::get_id() == window; }
    void FrameReady() override {}
    void ShowPlayerWindow(bool) override {}
    void EndModal() override {}
    // Runs the queued tasks; their count.
    int Drain() {
        std::deque<std::function<void()>> now;
        {
            std::lock_guard<std::mutex> lock(mutex);
            now.swap(tasks);
        }
        for (auto& task : now) task();
        return static_cast<int>(now.size());
    }
    std::size_t Queued() {
        std::lock_guard<std::mutex> lock(mutex);
        return tasks.size();
    }
    std::thread::id window = std::this_thread::get_id();
    std::mutex mutex;
    std::deque<std::function<void()>> tasks;
};

TEST(WindowCallsTest, AnotherThreadWaitsForTheWindowThreadsAnswer) {
    QueueHost host;
    WindowCalls calls(host);
    std::atomic<int> parks{0};
    calls.SetParkHandler([&](bool park) { parks += park ? 1 : 10; });
    EXPECT_EQ(calls.Call<int>([] { return 5; }, -1), 5);  // the window thread: directly
    std::thread::id ranOn;
    std::atomic<int> answer{0};
    std::thread frame([&] {
        answer = calls.Call<int>(
            [&] {
                ranOn = std::this_thread::get_id();
                return 42;
            },
            -1);
    });
    while (host.Queued() == 0) std::this_thread::yield();
    host.Drain();
    frame.join();
    EXPECT_EQ(answer.load(), 42);
    EXPECT_EQ(ranOn, host.window);
    EXPECT_EQ(parks.load(), 11);  // parked before the wait, back after it
}

TEST(WindowCallsTest, CancelReleasesAWaitingCallWithItsFallbackAndDropsItsTask) {
    QueueHost host;
    WindowCalls calls(host);
    bool ran = false;
    std::atomic<int> answer{0};
    std::thread frame([&] {
        answer = calls.Call<int>(
            [&] {
                ran = true;
                return 1;
            },
            -1);
    });
    while (host.Queued() == 0) std::this_thread::yield();
    calls.Cancel();
    frame.join();
    EXPECT_EQ(answer.load(), -1);
    host.Drain();
    EXPECT_FALSE(ran);
    // After the end, calls from other threads do not wait at all.
    std::thread late([&] { answer = calls.Call<int>([] { return 2; }, -3); });
    late.join();
    EXPECT_EQ(answer.load(), -3);
    EXPECT_EQ(host.Queued(), 0u);
}

}  // namespace
