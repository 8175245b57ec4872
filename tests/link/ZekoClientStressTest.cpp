// The client under load: a full line queue, closing while a server floods, and owner threads
// setting and reading values while the client's threads store them (run under TSan in CI).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "LinkTestSupport.h"
#include "LoopbackServer.h"
#include "link/ZekoClient.h"
#include "link/ZekoLog.h"

namespace linktest {
namespace {

using dw::CZekoClient;
using dw::LoadCell;
using dw::SubscriptionEntry;

// Holds the dispatcher inside its first "values processed" notification until released.
class GateTarget : public dw::IZekoNotifyTarget {
public:
    void PostNotify(int, int code) override {
        if (code != dw::kZekoValuesProcessed) return;
        processed_.fetch_add(1);
        std::unique_lock<std::mutex> lock(mutex_);
        opened_.wait_for(lock, 5s, [this] { return open_; });
    }
    void PostClose() override {}
    void Open() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }
    int Processed() const { return processed_.load(); }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
    std::atomic<int> processed_{0};
};

class ZekoClientStress : public InTempFolder {
protected:
    LoopbackServer server_;
    dw::VariableCell cell_{0};
    const SubscriptionEntry list_[2] = {{5, &cell_}, {}};
};

std::string NumberedLines(int first, int count) {
    std::string lines;
    for (int i = first; i < first + count; ++i)
        lines += "Arn.Resp:5=" + std::to_string(i) + ":\r\n";
    return lines;
}

TEST_F(ZekoClientStress, FullQueuePausesReceivingWithoutLosingLines) {
    GateTarget gate;
    {
        CZekoClient client;
        client.SetNotifyWindow(&gate, 1025);
        ASSERT_TRUE(client.Open("127.0.0.1", list_, server_.Port()));
        ASSERT_TRUE(server_.Accept());
        ASSERT_EQ(server_.ReadLine(), "Arn.Inicio:5:");
        constexpr int kLines = 2300;
        std::atomic<bool> sent{false};
        std::thread sender([&] { sent = server_.Send(NumberedLines(1, kLines), 8000ms); });
        // The dispatcher sits in its first notification while the receiver fills the queue.
        EXPECT_TRUE(WaitUntil([&] { return LogCount(dw::kLogQueueFull) == 1; }, 5000ms));
        gate.Open();
        sender.join();
        EXPECT_TRUE(sent.load());
        EXPECT_TRUE(WaitUntil([&] { return LoadCell(cell_) == kLines; }, 5000ms));
        EXPECT_EQ(gate.Processed(), kLines);
        EXPECT_EQ(LogCount(dw::kLogQueueFull), 1);
        EXPECT_TRUE(client.Close());
    }
}

TEST_F(ZekoClientStress, CloseWhileTheServerFloodsEndsPromptly) {
    CZekoClient client;
    ASSERT_TRUE(client.Open("127.0.0.1", list_, server_.Port()));
    ASSERT_TRUE(server_.Accept());
    std::atomic<bool> stop{false};
    std::thread flooder([&] {
        const std::string burst = NumberedLines(0, 200);
        while (!stop.load() && server_.Send(burst, 500ms)) {
        }
    });
    ASSERT_TRUE(WaitUntil([&] { return LoadCell(cell_) > 0; }));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(client.Close());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_FALSE(client.IsConnected());
    stop = true;
    flooder.join();
}

TEST_F(ZekoClientStress, OwnerThreadsSetAndReadWhileValuesArrive) {
    CZekoClient client;
    ASSERT_TRUE(client.Open("127.0.0.1", list_, server_.Port()));
    ASSERT_TRUE(server_.Accept());
    ASSERT_EQ(server_.ReadLine(), "Arn.Inicio:5:");
    std::atomic<bool> stop{false};
    std::thread frames([&] {  // the render thread: set, flush, read
        for (int frame = 0; !stop.load(); ++frame) {
            client.SetValue(100, frame);
            client.Flush();
            (void)LoadCell(cell_);
            std::this_thread::sleep_for(1ms);
        }
    });
    std::thread clicks([&] {  // the window thread: set only
        for (int click = 0; !stop.load(); ++click) {
            client.SetValue(200, click);
            std::this_thread::sleep_for(1ms);
        }
    });
    std::atomic<int> linesRead{0};
    std::thread drain([&] {
        bool ok = true;
        while (ok) {
            const std::string line = server_.ReadLine(&ok, 500ms);
            if (!ok) break;
            EXPECT_TRUE(line.rfind("Arn.Resp:", 0) == 0 || line == "Arn.Fin:") << line;
            linesRead.fetch_add(1);
        }
    });
    for (int i = 1; i <= 200; ++i) ASSERT_TRUE(server_.Send(NumberedLines(i, 1)));
    EXPECT_TRUE(WaitUntil([&] { return LoadCell(cell_) == 200; }));
    stop = true;
    frames.join();
    clicks.join();
    EXPECT_TRUE(client.Close());
    drain.join();
    EXPECT_GT(linesRead.load(), 0);
}

}  // namespace
}  // namespace linktest
