// What dwtool monitor keeps of its client's notifications while its output is not read: the
// latest value per variable and counts, never a growing backlog.
#include <gtest/gtest.h>

#include <thread>

#include "../../tools/dwtool/MonitorEvents.h"

namespace {

using dwmonitor::MonitorBatch;
using dwmonitor::MonitorEvents;

TEST(MonitorEvents, AFloodOfNotificationsLeavesOneEntryPerVariableAndCounts) {
    MonitorEvents events;
    // A dispatcher thread floods; the monitor's main thread reads nothing meanwhile.
    std::thread dispatcher([&] {
        for (int i = 0; i < 300000; ++i) {
            events.OnValue(i % 3, i);
            events.PostNotify(1025, dw::kZekoValuesProcessed);
            if (i % 3 == 0) events.PostNotify(1025, dw::kZekoResubscribe);
        }
        events.OnValue(7, -2147483647 - 1);  // the lowest value is a value like any other
        events.PostNotify(1025, dw::kZekoFarewell);
        events.PostNotify(1025, dw::kZekoConnectionEnded);
    });
    dispatcher.join();
    const MonitorBatch batch = events.Take(std::chrono::milliseconds(0));
    EXPECT_EQ(batch.values, (std::map<std::int32_t, std::int32_t>{
                                {0, 299997}, {1, 299998}, {2, 299999}, {7, -2147483647 - 1}}));
    EXPECT_EQ(batch.resubscribes, 100000);
    EXPECT_TRUE(batch.farewell && batch.ended);
    EXPECT_TRUE(events.Take(std::chrono::milliseconds(0)).Empty());  // all handed over
}

}  // namespace
