// CZekoClient on loopback: what it does with the lines a server sends (cutting, storing,
// notifying, resubscribing, the end of the connection) and what it puts on the wire. Owner
// threads setting and flushing at once are checked with the run's threads.
#include "LinkTestSupport.h"

namespace linktest {
namespace {

using namespace dw;
const std::string kUnsolicited = "Se ha recibido una variable no solicitada.";

using ZekoClient = LinkTest;

TEST_F(ZekoClient, ServerLinesReachTheCellsTheTargetAndTheLog) {
    struct Row {
        std::vector<std::string> segments;  // sent with one send each
        std::array<int, 3> cells;           // of variables 5, 6 and 9
        std::vector<int> codes;             // up to the closing line's 0
        std::string log{};
        bool closeOnFin = false, notify = true;
    };
    const int kFin = kZekoFarewell, kClose = RecordingTarget::kClose;
    // 16383 bytes before the line feed still fit; 16384 and more do not.
    const std::string longLines = "Arn.Resp:5=1:6=1:" + std::string(16365, ':') +
                                  "\r\nArn.Resp:9=1:" + std::string(16370, ':') +
                                  "\r\nArn.Resp:9=2:" + std::string(50000, 'x') + "\r\n";
    std::string flood;  // more lines than the queue holds while the dispatcher is held
    for (int i = 1; i <= 2300; ++i) flood += "Arn.Resp:5=" + std::to_string(i) + ":\r\n";
    const Row rows[] = {
        {{"Arn.Resp:5=1", "23:6=-4:\r\n"}, {123, -4, 0}, {0}},
        {{"Arn.Resp:5=10:6=20:\nArn.Resp:9=30:\n"}, {10, 20, 30}, {0, 0}},
        {{"Arn.Resp:7=1:5=8:\r\n"}, {8, 0, 0}, {0}, kUnsolicited},
        {{"Arn.Resp:-1=5:2999=6:40000=1:5=2:\r\n"}, {2, 0, 0}, {0}, kLogNumberRange},
        {{"\n\nArn.Resp:5=3:\r\n\n\r\n"}, {3, 0, 0}, {0}, kLogEmptyLine},
        {{longLines + "Arn.Resp:5=2:\r\n"}, {2, 1, 0}, {0, 0}, kLogLongLine},
        {{flood}, {2300, 0, 0}, std::vector<int>(2300, 0), kLogQueueFull},
        {{"Arn.Fin:\r\n"}, {0, 0, 0}, {kFin}},
        {{"Arn.Fin:\r\n"}, {0, 0, 0}, {kFin, kClose}, "", true},
        {{"Arn.Resp:5=4:\r\nArn.Fin:\r\n"}, {4, 0, 0}, {kClose}, "", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.segments[0].substr(0, 40));
        ClearLog();
        VariableCell c[4] = {};
        const SubscriptionEntry list[] = {{5, &c[0]}, {6, &c[1]}, {9, &c[2]}, {100, &c[3]}, {}};
        RecordingTarget target;
        CZekoClient client;
        ASSERT_TRUE(OpenOn(client, list, &target));
        ASSERT_EQ(server_.ReadLine(), "Arn.Inicio:5:6:9:100:");
        client.SetCloseOnFin(row.closeOnFin);
        client.EnableNotify(row.notify);
        {
            auto hold = target.Hold();  // the dispatcher waits in its first notification
            for (const std::string& segment : row.segments) EXPECT_TRUE(server_.Send(segment));
            EXPECT_TRUE(WaitUntil([&] { return Log() == row.log; }));
        }
        ASSERT_TRUE(server_.Send("Arn.Resp:100=1:\r\n"));  // lines are handled in order
        ASSERT_TRUE(WaitUntil([&] { return LoadCell(c[3]) == 1; }));
        EXPECT_EQ((std::array<int, 3>{LoadCell(c[0]), LoadCell(c[1]), LoadCell(c[2])}), row.cells);
        EXPECT_TRUE(client.IsConnected());  // after a farewell the owner closes
        // A server that disconnects without farewell leaves the client idle.
        Drop(client);
        EXPECT_FALSE(client.SetValue(5, 1) || client.Flush() || client.Close());
        std::vector<int> codes = row.codes;
        if (row.notify) codes.insert(codes.end(), {0, kZekoConnectionEnded});
        EXPECT_TRUE(WaitUntil([&] { return target.Codes().size() >= codes.size(); }));
        EXPECT_EQ(target.Codes(), codes);
        EXPECT_EQ(target.message_, row.notify ? 1025 : 0);
        EXPECT_EQ(Log(), row.log);
    }
}

TEST_F(ZekoClient, FarewellWithCloseOnFinAndNoTargetEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CZekoClient client;
            client.Open("127.0.0.1", nullptr, server_.Port());
            server_.Accept();
            client.SetCloseOnFin(true);
            server_.Send("Arn.Fin:\r\n");
            std::this_thread::sleep_for(kPatience);  // returning from here fails the test
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ZekoClient, ValuesTravelOneLinePerFlushAndCloseSaysFarewell) {
    VariableCell cells[3] = {};
    const SubscriptionEntry list[] = {{12, &cells[0]}, {0, &cells[1]}, {14, &cells[2]}, {}};
    const SubscriptionEntry other[] = {{20, &cells[1]}, {}};
    CZekoClient client;
    EXPECT_FALSE(client.SetValue(1, 2) || client.Flush() || client.Close() ||
                 client.SetCloseOnFin(true));  // nothing works before Open
    ASSERT_TRUE(OpenOn(client, list));
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:12:");  // the list ends at its first 0
    EXPECT_TRUE(client.SetValue(12, 1) && client.SetValue(13, -5) && client.Flush());
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:12=1:13=-5:");
    EXPECT_FALSE(client.Flush());  // nothing pending, nothing sent
    EXPECT_TRUE(client.SetValue(-2147483647 - 1, 2147483647) && client.Flush());
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:-2147483648=2147483647:");
    // Open on a connected client only empties the pending line: 20 is not registered, there
    // is no new connection (a connect would be complete when Open returns) and nothing is
    // sent before the next values.
    ASSERT_TRUE(client.SetValue(1, 1));
    EXPECT_TRUE(client.Open("127.0.0.1", other, server_.Port()));
    EXPECT_FALSE(client.Flush());
    EXPECT_FALSE(server_.Accept(0ms));
    EXPECT_TRUE(client.SetValue(2, 2) && client.Flush());
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:2=2:");
    ASSERT_TRUE(server_.Send("Arn.Resp:20=3:14=5:12=4:\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return !target_.Codes().empty(); }));
    EXPECT_EQ(LoadCell(cells[0]) * 100 + LoadCell(cells[1]) * 10 + LoadCell(cells[2]), 400);
    // A pending line beyond 16384 bytes is sent early, without loss.
    std::string expected, pairs;
    for (int i = 0; i < 5000; ++i) {  // about 50 KB of pairs
        ASSERT_TRUE(client.SetValue(i, -i));
        expected += std::to_string(i) + "=" + std::to_string(-i) + ":";
    }
    ASSERT_TRUE(client.Flush());
    while (pairs.size() < expected.size()) {
        const std::optional<std::string> line = server_.ReadLine();
        ASSERT_TRUE(line && line->starts_with("Arn.Resp:"));
        EXPECT_LE(line->size() + 2, 16384u);
        pairs += line->substr(9);
    }
    EXPECT_EQ(pairs, expected);
    EXPECT_EQ(Log(), kUnsolicited + kUnsolicited + kLogPendingFull);
    // Close sends the pending values and the farewell in one line; the threads are gone.
    ASSERT_TRUE(client.SetValue(7, 0));
    EXPECT_TRUE(client.Close());
    EXPECT_EQ(target_.Codes(), (std::vector<int>{0, kZekoConnectionEnded}));
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:7=0:Arn.Fin:");
    std::string rest = "?";
    EXPECT_TRUE(server_.ReadToEnd(rest));
    EXPECT_EQ(rest, "");
    EXPECT_FALSE(client.IsConnected() || client.SetValue(7, 1) || client.Close());
}

TEST_F(ZekoClient, HostsThatCannotBeReachedAreLoggedAndLeaveTheClientIdle) {
    const std::string noServer = "ERROR: Imposible conectar con el server 1.\n", longHost(64, 'a');
    const std::pair<std::string, std::string> rows[] = {
        {"127.0.0.1", noServer},  // at a port where nothing listens
        {"", "ERROR: Host inv\xE1lido: \n"},
        {longHost, kLogLongHost + longHost + "\n"},  // refused before any look-up
    };
    const ClosedPort unused;
    for (const auto& [host, log] : rows) {
        ClearLog();
        CZekoClient client;
        EXPECT_TRUE(
            client.Open(host, nullptr, host == "127.0.0.1" ? unused.Port() : server_.Port()));
        EXPECT_FALSE(client.IsConnected());
        EXPECT_EQ(Log(), log) << host;
    }
    EXPECT_FALSE(server_.Accept(0ms));
}

TEST_F(ZekoClient, ResubscriptionResendsTheSubscriptionCutAt3072BytesAfterHalfASecond) {
    std::vector<VariableCell> cells(1001);
    std::vector<SubscriptionEntry> list = {{-5, &cells[0]}, {2999, &cells[0]}};
    for (int offset = 1; offset <= 1000; ++offset) list.push_back({offset, &cells[offset]});
    list.push_back({});
    CZekoClient client;
    ASSERT_TRUE(OpenOn(client, list.data()));
    const std::string line = server_.ReadLine().value_or("");
    std::string expected = "Arn.Inicio:";
    for (int offset = 1; expected.size() < line.size(); ++offset)
        expected += std::to_string(offset) + ":";
    EXPECT_EQ(line, expected);  // numbers outside 0..2998 are skipped
    EXPECT_TRUE(line.size() > 3060 && line.size() < 3072) << line.size();
    ASSERT_TRUE(client.SetValue(1, 2));  // pending values travel in the same line
    const auto asked = std::chrono::steady_clock::now();
    ASSERT_TRUE(server_.Send("Arn.Reset:Arn.Resp:5=1:\r\nArn.Resp:6=1:\r\n"));
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:1=2:" + line);
    // A lower bound of the client's own pause: no load on the machine can break it.
    EXPECT_GE(std::chrono::steady_clock::now() - asked, 500ms);
    // The next line waits for the resubscription; the rest of its own line was ignored.
    ASSERT_TRUE(WaitUntil([&] { return target_.Codes().size() == 2; }));
    EXPECT_EQ(LoadCell(cells[6]), 1);
    EXPECT_EQ(target_.Codes(), (std::vector<int>{kZekoResubscribe, kZekoValuesProcessed}));
    EXPECT_EQ(LoadCell(cells[5]), 0);
    EXPECT_EQ(Log(), std::string(kLogNumberRange) + kLogLongSubscription);
    Drop(client);
}

}  // namespace
}  // namespace linktest
