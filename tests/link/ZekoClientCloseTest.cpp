// Ending a CZekoClient: Close stops both threads whatever a hostile server has queued, and a
// client can be closed and destroyed from inside its own notifications on the dispatcher
// thread that delivers them.
#include <cstring>

#include "LinkTestSupport.h"

namespace linktest {
namespace {

using namespace dw;
const std::string kUnsolicited = "Se ha recibido una variable no solicitada.";

using ZekoClientClose = LinkTest;

TEST_F(ZekoClientClose, DropsAQueueFullOfResubscriptionRequestsAndSendsOnlyTheFarewell) {
    // A long subscription: before, each queued request appended it to a line that could no
    // longer be sent, until the pending line overflowed.
    std::vector<VariableCell> cells(701);
    std::vector<SubscriptionEntry> list;
    for (int offset = 1; offset <= 700; ++offset) list.push_back({offset, &cells[offset]});
    list.push_back({});
    auto client = std::make_unique<CZekoClient>();
    ASSERT_TRUE(OpenOn(*client, list.data()));
    const std::optional<std::string> subscription = server_.ReadLine();
    ASSERT_TRUE(subscription && subscription->starts_with("Arn.Inicio:1:2:"));
    std::thread closer;
    {
        auto hold = target_.Hold();  // the dispatcher waits in its first notification
        std::string resets;
        for (int i = 0; i < 3000; ++i) resets += "Arn.Reset:\r\n";
        ASSERT_TRUE(server_.Send(resets));
        ASSERT_TRUE(WaitUntil([&] { return Log() == kLogQueueFull; }));  // 2048 lines wait
        ASSERT_TRUE(client->SetValue(7, 0));
        closer = std::thread([&] { EXPECT_TRUE(client->Close()); });
        EXPECT_EQ(server_.ReadLine(), "Arn.Resp:7=0:Arn.Fin:");
    }
    closer.join();
    // Nothing follows the farewell: no resubscription, then the end of the stream.
    std::string rest = "?";
    EXPECT_TRUE(server_.ReadToEnd(rest));
    EXPECT_EQ(rest, "");
    EXPECT_EQ(target_.Codes(), (std::vector<int>{kZekoResubscribe, kZekoConnectionEnded}));
    EXPECT_EQ(Log(), kLogQueueFull);
    // The client opens again with a clean pending line, and a destroy follows a close.
    ASSERT_TRUE(OpenOn(*client, list.data()));
    EXPECT_EQ(server_.ReadLine(), subscription);
    client->Close();
    client.reset();
    EXPECT_EQ(server_.ReadLine(), "Arn.Fin:");
}

TEST_F(ZekoClientClose, EndsAFloodOfUnregisteredPairsAndKeepsTheLogShort) {
    VariableCell cell{0};
    const SubscriptionEntry list[] = {{5, &cell}, {}};
    CZekoClient client;
    ASSERT_TRUE(OpenOn(client, list));
    ASSERT_EQ(server_.ReadLine(), "Arn.Inicio:5:");
    std::string line = "Arn.Resp:";
    for (int i = 0; i < 1000; ++i) line += "7=1:";
    line += "5=1:\r\n";
    std::thread flood([&] {
        while (server_.Send(line)) {
        }
    });
    const std::string muted = kLogUnsolicitedMuted;
    // The pairs of registered numbers still arrive meanwhile.
    ASSERT_TRUE(WaitUntil([&] { return Log().ends_with(muted) && LoadCell(cell) == 1; }));
    EXPECT_TRUE(client.Close());
    flood.join();  // the server's sends fail once the client has gone
    // 100 entries and one note, whatever the server sent; a queue-full warning may come too.
    std::string log = Log();
    const std::size_t queueFull = log.find(kLogQueueFull);
    if (queueFull != std::string::npos) log.erase(queueFull, std::strlen(kLogQueueFull));
    std::string expected;
    for (int i = 0; i < 100; ++i) expected += kUnsolicited;
    EXPECT_EQ(log, expected + muted);
}

// How a test's owner closes and destroys its client from inside a notification.
enum class Closing { CloseAndDestroy, DestroyOnly };

struct NotifiedRow {
    std::string trigger;  // what the server sends
    int code;             // the notification that ends the client
    Closing closing;
};

const NotifiedRow kNotifiedRows[] = {
    {"Arn.Resp:5=1:\r\n", kZekoValuesProcessed, Closing::CloseAndDestroy},
    {"Arn.Reset:\r\n", kZekoResubscribe, Closing::CloseAndDestroy},
    {"Arn.Fin:\r\n", RecordingTarget::kClose, Closing::CloseAndDestroy},  // close-on-farewell
    {"Arn.Fin:\r\n", kZekoFarewell, Closing::DestroyOnly},
    {"", kZekoConnectionEnded, Closing::DestroyOnly},  // the server drops the connection
};

// The server's side once the client is gone: a farewell unless the server had dropped the
// connection, and nothing else.
void ExpectFarewellOnly(LoopbackServer& server, const NotifiedRow& row) {
    std::string rest = "?";
    if (row.code == kZekoConnectionEnded) return;
    EXPECT_TRUE(server.ReadToEnd(rest));
    EXPECT_EQ(rest, "Arn.Fin:\r\n");
}

// A target that runs the owner's reaction right on the dispatcher thread. A close and destroy
// on the owner's window thread, after the notification was posted there, is the player's way
// (checked with the run's threads).
class DirectTarget : public IZekoNotifyTarget {
public:
    explicit DirectTarget(std::function<void(int code)> handle) : handle_(std::move(handle)) {}
    void PostNotify(int, int code) override { handle_(code); }
    void PostClose() override { handle_(RecordingTarget::kClose); }

private:
    std::function<void(int)> handle_;
};

TEST_F(ZekoClientClose, TheDispatcherThreadClosesAndDestroysItInsideANotification) {
    for (const NotifiedRow& row : kNotifiedRows) {
        SCOPED_TRACE(row.trigger + std::to_string(row.code));
        auto cells = std::make_unique<VariableCell[]>(6);
        const SubscriptionEntry list[] = {{5, &cells[5]}, {}};
        std::unique_ptr<CZekoClient> client;
        std::mutex mutex;  // a stand-in for the owner's own state
        std::vector<int> seen;
        std::atomic<bool> gone{false};
        DirectTarget target([&](int code) {
            std::lock_guard lock(mutex);
            seen.push_back(code);
            if (code != row.code || gone) return;
            if (row.closing == Closing::CloseAndDestroy) {
                EXPECT_TRUE(client->Close());
            }
            client.reset();
            cells.reset();  // the owner frees its cells at once
            gone = true;
        });
        client = std::make_unique<CZekoClient>();
        ASSERT_TRUE(OpenOn(*client, list, &target));
        ASSERT_EQ(server_.ReadLine(), "Arn.Inicio:5:");
        {
            std::lock_guard lock(mutex);  // the client is the handler's from here on
            client->SetCloseOnFin(true);
        }
        // What follows the trigger in its line is scanned after the destroy: it must store
        // nothing into the freed cells and tell nothing to the owner.
        if (row.trigger.empty()) {
            server_.DropClient();
        } else {
            ASSERT_TRUE(server_.Send(row.trigger.substr(0, row.trigger.size() - 2) +
                                     "Arn.Resp:5=2:Fin:\r\nArn.Resp:5=3:\r\n"));
        }
        ASSERT_TRUE(WaitUntil([&] { return gone.load(); }));
        ExpectFarewellOnly(server_, row);
        std::lock_guard lock(mutex);
        EXPECT_EQ(seen.back(), row.code);
    }
}

}  // namespace
}  // namespace linktest
