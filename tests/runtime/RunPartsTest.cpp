// Waiting calls to the window thread that a run's end cancels.
#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <thread>

#include "runtime/WindowCalls.h"

namespace {

using namespace dw;

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
