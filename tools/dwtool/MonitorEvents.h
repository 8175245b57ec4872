#pragma once
// What `dwtool monitor` hears from its client, gathered on the client's dispatcher thread and
// taken in batches by the main thread. However fast a server sends and however slowly the
// output is read, the store stays small: the latest value per variable, a count of
// resubscription requests and two flags.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>

#include "link/ZekoNotify.h"

namespace dwmonitor {

struct MonitorBatch {
    std::map<std::int32_t, std::int32_t> values;  // variable number -> latest value received
    long long resubscribes = 0;                   // requests since the last batch
    bool farewell = false;
    bool ended = false;

    bool Empty() const { return values.empty() && resubscribes == 0 && !farewell && !ended; }
};

class MonitorEvents : public dw::IZekoNotifyTarget {
public:
    // The client's value observer: each value stored into a subscribed variable's cell.
    void OnValue(std::int32_t offset, std::int32_t value) {
        Change([&] { pending_.values[offset] = value; });
    }
    // Values come through OnValue; the other notifications are counted or flagged.
    void PostNotify(int, int code) override {
        if (code == dw::kZekoResubscribe) Change([&] { ++pending_.resubscribes; });
        if (code == dw::kZekoFarewell) Change([&] { pending_.farewell = true; });
        if (code == dw::kZekoConnectionEnded) Change([&] { pending_.ended = true; });
    }
    void PostClose() override {}

    // Waits up to `time` for news and hands over everything gathered since the last call.
    MonitorBatch Take(std::chrono::milliseconds time) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait_for(lock, time, [this] { return !pending_.Empty(); });
        MonitorBatch batch;
        std::swap(batch, pending_);
        return batch;
    }

private:
    template <typename Update>
    void Change(Update update) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            update();
        }
        changed_.notify_one();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    MonitorBatch pending_;
};

}  // namespace dwmonitor
