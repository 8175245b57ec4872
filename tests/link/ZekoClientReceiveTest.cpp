// What the client does with the lines a server sends: cutting, storing, notifying,
// resubscribing, and the end of the connection.
#include <gtest/gtest.h>

#include <chrono>
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

class ZekoClientReceive : public InTempFolder {
protected:
    // Opens `client` subscribed to 5, 6 and 9 with notifications to target_.
    void OpenOn(CZekoClient& client) {
        client.SetNotifyWindow(&target_, 1025);
        ASSERT_TRUE(client.Open("127.0.0.1", list_, server_.Port()));
        ASSERT_TRUE(client.IsConnected());
        ASSERT_TRUE(server_.Accept());
        ASSERT_EQ(server_.ReadLine(), "Arn.Inicio:5:6:9:");
    }
    bool CellBecomes(int index, std::int32_t value) {
        return WaitUntil([&] { return LoadCell(cells_[index]) == value; });
    }

    LoopbackServer server_;
    RecordingTarget target_;
    dw::VariableCell cells_[3] = {};
    const SubscriptionEntry list_[4] = {{5, &cells_[0]}, {6, &cells_[1]}, {9, &cells_[2]}, {}};
};

TEST_F(ZekoClientReceive, TwoLinesInOneSegmentAreProcessedInOrder) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Resp:5=1:6=1:\r\nArn.Resp:5=2:\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return target_.Count(dw::kZekoValuesProcessed) == 2; }));
    EXPECT_EQ(LoadCell(cells_[0]), 2);
    EXPECT_EQ(LoadCell(cells_[1]), 1);
    EXPECT_EQ(target_.LastMessage(), 1025);
}

TEST_F(ZekoClientReceive, LineSplitAcrossSegmentsIsProcessedOnceWhole) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Resp:5=1"));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(target_.Count(dw::kZekoValuesProcessed), 0);
    ASSERT_TRUE(server_.Send("23:6=-4:\r\n"));
    ASSERT_TRUE(CellBecomes(1, -4));
    EXPECT_EQ(LoadCell(cells_[0]), 123);
    EXPECT_EQ(target_.Count(dw::kZekoValuesProcessed), 1);
}

TEST_F(ZekoClientReceive, LinesEndingInABareLineFeedStillDeliverTheirValues) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Resp:5=10:6=20:\nArn.Resp:9=30:\n"));
    ASSERT_TRUE(CellBecomes(2, 30));
    EXPECT_EQ(LoadCell(cells_[0]), 10);
    EXPECT_EQ(LoadCell(cells_[1]), 20);
}

TEST_F(ZekoClientReceive, MalformedPairsAreSkipped) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Resp:5=10:9=x:6=-3:\r\n"));
    ASSERT_TRUE(CellBecomes(1, -3));
    EXPECT_EQ(LoadCell(cells_[0]), 10);
    EXPECT_EQ(LoadCell(cells_[2]), 0);
    EXPECT_EQ(Log(), "");
}

TEST_F(ZekoClientReceive, ValuesLineWithoutPairsOnlyNotifies) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Resp:\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return target_.Count(dw::kZekoValuesProcessed) == 1; }));
    EXPECT_EQ(target_.Codes(), std::vector<int>{dw::kZekoValuesProcessed});
}

TEST_F(ZekoClientReceive, UnsolicitedNumberIsLoggedAndIgnored) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Resp:7=1:5=8:\r\n"));
    ASSERT_TRUE(CellBecomes(0, 8));
    EXPECT_EQ(Log(), "Se ha recibido una variable no solicitada.");
}

TEST_F(ZekoClientReceive, NumbersOutsideTheTableAreLoggedOnce) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Resp:-1=5:2999=6:\r\nArn.Resp:40000=1:5=2:\r\n"));
    ASSERT_TRUE(CellBecomes(0, 2));
    EXPECT_EQ(Log(), dw::kLogNumberRange);
}

TEST_F(ZekoClientReceive, ResubscriptionRequestResendsTheSubscriptionAfterHalfASecond) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(client.SetValue(1, 2));  // pending values travel in the same line
    const auto asked = std::chrono::steady_clock::now();
    ASSERT_TRUE(server_.Send("Arn.Reset:Arn.Resp:5=1:\r\n"));
    bool ok = false;
    const std::string line = server_.ReadLine(&ok, 3000ms);
    const auto waited = std::chrono::steady_clock::now() - asked;
    ASSERT_TRUE(ok);
    EXPECT_EQ(line, "Arn.Resp:1=2:Arn.Inicio:5:6:9:");
    EXPECT_GE(waited, 480ms);
    EXPECT_EQ(target_.Codes(), std::vector<int>{dw::kZekoResubscribe});
    EXPECT_EQ(LoadCell(cells_[0]), 0);  // the rest of the line was ignored
}

TEST_F(ZekoClientReceive, FarewellWithCloseOnFinAsksTheTargetToClose) {
    CZekoClient client;
    OpenOn(client);
    EXPECT_TRUE(client.SetCloseOnFin(true));
    ASSERT_TRUE(server_.Send("Arn.Fin:\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return target_.Closes() == 1; }));
    EXPECT_EQ(target_.Codes(), std::vector<int>{dw::kZekoFarewell});
    EXPECT_TRUE(client.IsConnected());  // the owner closes; the client does not
}

TEST_F(ZekoClientReceive, FarewellWithoutCloseOnFinOnlyNotifies) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("Arn.Fin:\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return target_.Count(dw::kZekoFarewell) == 1; }));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(target_.Closes(), 0);
}

TEST_F(ZekoClientReceive, CloseRequestArrivesEvenWithNotificationsOff) {
    CZekoClient client;
    OpenOn(client);
    client.SetCloseOnFin(true);
    client.EnableNotify(false);
    ASSERT_TRUE(server_.Send("Arn.Resp:5=4:\r\nArn.Fin:\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return target_.Closes() == 1; }));
    EXPECT_EQ(LoadCell(cells_[0]), 4);
    EXPECT_TRUE(target_.Codes().empty());
}

TEST_F(ZekoClientReceive, FarewellWithCloseOnFinAndNoTargetEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CZekoClient client;
            const int port = server_.Port();
            client.Open("127.0.0.1", nullptr, port);
            server_.Accept();
            client.SetCloseOnFin(true);
            server_.Send("Arn.Fin:\r\n");
            std::this_thread::sleep_for(3s);
            std::_Exit(3);  // only reached when the farewell did not end the process
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ZekoClientReceive, ServerThatDisconnectsWithoutFarewellLeavesTheClientIdle) {
    CZekoClient client;
    OpenOn(client);
    client.SetCloseOnFin(true);
    ASSERT_TRUE(server_.Send("Arn.Resp:6=6:\r\n"));
    ASSERT_TRUE(CellBecomes(1, 6));
    server_.DropClient();
    ASSERT_TRUE(WaitUntil([&] { return target_.Count(dw::kZekoConnectionEnded) == 1; }));
    EXPECT_FALSE(client.IsConnected());
    EXPECT_FALSE(client.SetValue(5, 1));
    EXPECT_FALSE(client.Flush());
    EXPECT_FALSE(client.Close());
    EXPECT_EQ(target_.Closes(), 0);
    EXPECT_EQ(LoadCell(cells_[1]), 6);
    EXPECT_EQ(Log(), "");
}

TEST_F(ZekoClientReceive, OwnerCloseAlsoEndsWithTheConnectionEndedCode) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(client.Close());
    // Close returns once the connection's threads are gone, so the code is already there.
    EXPECT_EQ(target_.Codes(), std::vector<int>{dw::kZekoConnectionEnded});
}

TEST_F(ZekoClientReceive, EmptyLinesAreIgnoredAndLoggedOnce) {
    CZekoClient client;
    OpenOn(client);
    ASSERT_TRUE(server_.Send("\n\nArn.Resp:5=3:\r\n\n\r\n"));
    ASSERT_TRUE(CellBecomes(0, 3));
    ASSERT_TRUE(WaitUntil([&] { return LogCount(dw::kLogEmptyLine) == 1; }));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(Log(), dw::kLogEmptyLine);
}

TEST_F(ZekoClientReceive, LinesOfSixteenKilobytesOrMoreAreDiscarded) {
    CZekoClient client;
    OpenOn(client);
    const std::string head = "Arn.Resp:5=1:6=1:";
    // 16383 bytes before the line feed still fit; 16384 do not.
    const std::string fits = head + std::string(16383 - head.size() - 1, ':') + "\r\n";
    const std::string tooLong = "Arn.Resp:9=1:" + std::string(16384 - 13 - 1, ':') + "\r\n";
    const std::string veryLong = "Arn.Resp:9=2:" + std::string(50000, 'x') + "\r\n";
    ASSERT_TRUE(server_.Send(fits + tooLong + veryLong + "Arn.Resp:5=2:\r\n", 5000ms));
    ASSERT_TRUE(CellBecomes(0, 2));
    EXPECT_EQ(LoadCell(cells_[1]), 1);
    EXPECT_EQ(LoadCell(cells_[2]), 0);
    EXPECT_EQ(target_.Count(dw::kZekoValuesProcessed), 2);
    EXPECT_EQ(Log(), dw::kLogLongLine);
}

}  // namespace
}  // namespace linktest
