// What the client puts on the wire: subscription, values, farewell, and its connect failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "LoopbackServer.h"
#include "link/ZekoClient.h"
#include "link/ZekoLog.h"

namespace linktest {
namespace {

using dw::CZekoClient;
using dw::SubscriptionEntry;

class ZekoClientSend : public InTempFolder {
protected:
    // Opens `client` on the test server and accepts the connection.
    void OpenOn(CZekoClient& client, const SubscriptionEntry* list) {
        ASSERT_TRUE(client.Open("127.0.0.1", list, server_.Port()));
        ASSERT_TRUE(client.IsConnected());
        ASSERT_TRUE(server_.Accept());
    }

    LoopbackServer server_;
    dw::VariableCell cells_[4] = {};
};

TEST_F(ZekoClientSend, SubscribesOnceInListOrder) {
    CZekoClient client;
    const SubscriptionEntry list[] = {{12, &cells_[0]}, {345, &cells_[1]}, {0, nullptr}};
    OpenOn(client, list);
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:12:345:");
    EXPECT_TRUE(server_.NothingArrives());
}

TEST_F(ZekoClientSend, ListEndsAtTheFirstZero) {
    CZekoClient client;
    const SubscriptionEntry list[] = {{12, &cells_[0]}, {0, &cells_[1]}, {14, &cells_[2]}, {}};
    OpenOn(client, list);
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:12:");
    // 14 stands behind the end: it was not registered either.
    ASSERT_TRUE(server_.Send("Arn.Resp:14=9:\r\n"));
    EXPECT_TRUE(WaitUntil([&] { return LogCount(dw::kLogUnsolicited) == 1; }));
    EXPECT_EQ(dw::LoadCell(cells_[2]), 0);
}

TEST_F(ZekoClientSend, EmptyListConnectsWithoutSubscription) {
    CZekoClient client;
    const SubscriptionEntry list[] = {{0, &cells_[0]}, {5, &cells_[1]}, {}};
    OpenOn(client, list);
    EXPECT_TRUE(server_.NothingArrives());
    EXPECT_TRUE(client.IsConnected());
    // Already connected: no second connection is made.
    EXPECT_TRUE(client.Open("127.0.0.1", nullptr, server_.Port()));
    EXPECT_FALSE(server_.Accept(100ms));
}

TEST_F(ZekoClientSend, ValuesOfOneFrameTravelAsOneLine) {
    CZekoClient client;
    OpenOn(client, nullptr);
    EXPECT_TRUE(client.SetValue(12, 1));
    EXPECT_TRUE(client.SetValue(13, -5));
    EXPECT_TRUE(client.Flush());
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:12=1:13=-5:");
    EXPECT_FALSE(client.Flush());
    EXPECT_TRUE(server_.NothingArrives());
    EXPECT_TRUE(client.SetValue(-2147483647 - 1, 2147483647));
    EXPECT_TRUE(client.Flush());
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:-2147483648=2147483647:");
}

TEST_F(ZekoClientSend, NothingWorksBeforeOpen) {
    CZekoClient client;
    EXPECT_FALSE(client.IsConnected());
    EXPECT_FALSE(client.SetValue(1, 2));
    EXPECT_FALSE(client.Flush());
    EXPECT_FALSE(client.Close());
    EXPECT_FALSE(client.SetCloseOnFin(true));
    EXPECT_EQ(Log(), "");
}

TEST_F(ZekoClientSend, CloseSendsPendingValuesAndFarewellInOneLine) {
    CZekoClient client;
    OpenOn(client, nullptr);
    ASSERT_TRUE(client.SetValue(7, 0));
    EXPECT_TRUE(client.Close());
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(server_.ReadLine(), "Arn.Resp:7=0:Arn.Fin:");
    EXPECT_TRUE(server_.WaitForEof());
    EXPECT_FALSE(client.SetValue(7, 1));
    EXPECT_FALSE(client.Close());
}

TEST_F(ZekoClientSend, CloseWithNothingPendingSendsTheFarewellAlone) {
    CZekoClient client;
    OpenOn(client, nullptr);
    EXPECT_TRUE(client.Close());
    EXPECT_EQ(server_.ReadLine(), "Arn.Fin:");
}

TEST_F(ZekoClientSend, OpenOnAConnectedClientOnlyEmptiesThePendingLine) {
    CZekoClient client;
    const SubscriptionEntry list[] = {{12, &cells_[0]}, {}};
    OpenOn(client, list);
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:12:");
    ASSERT_TRUE(client.SetValue(1, 1));
    const SubscriptionEntry other[] = {{20, &cells_[1]}, {}};
    EXPECT_TRUE(client.Open("127.0.0.1", other, server_.Port()));
    EXPECT_TRUE(client.IsConnected());
    EXPECT_FALSE(client.Flush());
    EXPECT_TRUE(server_.NothingArrives());
    // 20 was not registered by the second Open.
    ASSERT_TRUE(server_.Send("Arn.Resp:20=3:12=4:\r\n"));
    EXPECT_TRUE(WaitUntil([&] { return dw::LoadCell(cells_[0]) == 4; }));
    EXPECT_EQ(dw::LoadCell(cells_[1]), 0);
    EXPECT_EQ(LogCount(dw::kLogUnsolicited), 1);
}

TEST_F(ZekoClientSend, ClientCanBeOpenedAgainAfterClose) {
    CZekoClient client;
    const SubscriptionEntry list[] = {{3, &cells_[0]}, {}};
    OpenOn(client, list);
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:3:");
    ASSERT_TRUE(client.Close());
    OpenOn(client, list);
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:3:");
    ASSERT_TRUE(server_.Send("Arn.Resp:3=33:\r\n"));
    EXPECT_TRUE(WaitUntil([&] { return dw::LoadCell(cells_[0]) == 33; }));
}

TEST_F(ZekoClientSend, RefusedConnectionIsLoggedAndLeavesTheClientIdle) {
    CZekoClient client;
    EXPECT_TRUE(client.Open("127.0.0.1", nullptr, UnusedPort()));
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(Log(), "ERROR: Imposible conectar con el server 1.\n");
}

TEST_F(ZekoClientSend, AddressesThatNameNoServerAreNotConnected) {
    CZekoClient client;
    EXPECT_TRUE(client.Open("0.0.0.0", nullptr, server_.Port()));
    EXPECT_TRUE(client.Open("255.255.255.255", nullptr, server_.Port()));
    EXPECT_FALSE(client.IsConnected());
    EXPECT_FALSE(server_.Accept(100ms));
    EXPECT_EQ(LogCount("ERROR: Imposible conectar con el server 1.\n"), 2);
}

TEST_F(ZekoClientSend, InvalidHostIsLoggedWithItsName) {
    CZekoClient client;
    EXPECT_TRUE(client.Open("", nullptr, server_.Port()));
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(Log(), "ERROR: Host inv\xE1lido: \n");
}

TEST_F(ZekoClientSend, HostOfSixtyFourCharactersIsRefused) {
    CZekoClient client;
    const std::string host(64, 'a');
    EXPECT_TRUE(client.Open(host, nullptr, server_.Port()));
    EXPECT_FALSE(client.IsConnected());
    // Refused before any look-up of the name.
    EXPECT_EQ(Log(), std::string(dw::kLogLongHost) + host + "\n");
}

TEST_F(ZekoClientSend, PendingLineBeyondItsBufferIsSentEarlyWithoutLoss) {
    CZekoClient client;
    OpenOn(client, nullptr);
    constexpr int kCount = 5000;  // about 50 KB of pairs
    std::string expected;
    for (int i = 0; i < kCount; ++i) {
        ASSERT_TRUE(client.SetValue(i, -i));
        expected += std::to_string(i) + "=" + std::to_string(-i) + ":";
    }
    ASSERT_TRUE(client.Flush());
    std::string pairs;
    int lines = 0;
    while (pairs.size() < expected.size() && lines < 20) {
        bool ok = false;
        const std::string line = server_.ReadLine(&ok);
        ASSERT_TRUE(ok);
        ASSERT_EQ(line.rfind("Arn.Resp:", 0), 0u);
        EXPECT_LE(line.size() + 2, dw::CZekoClient::kSendBufferSize);
        pairs += line.substr(9);
        ++lines;
    }
    EXPECT_EQ(pairs, expected);
    EXPECT_GE(lines, 4);
    EXPECT_EQ(LogCount(dw::kLogPendingFull), 1);
}

TEST_F(ZekoClientSend, SubscriptionIsCutAtThreeThousandBytes) {
    CZekoClient client;
    std::vector<dw::VariableCell> cells(1200);
    std::vector<SubscriptionEntry> list;
    for (int offset = 1; offset <= 1000; ++offset) list.push_back({offset, &cells[offset]});
    list.push_back({});
    OpenOn(client, list.data());
    const std::string line = server_.ReadLine();
    ASSERT_LT(line.size(), dw::CZekoClient::kSubscriptionSize);
    ASSERT_GT(line.size(), dw::CZekoClient::kSubscriptionSize - 10);
    std::string expected = "Arn.Inicio:";
    for (int offset = 1; expected.size() < line.size(); ++offset)
        expected += std::to_string(offset) + ":";
    EXPECT_EQ(line, expected);
    EXPECT_EQ(LogCount(dw::kLogLongSubscription), 1);
    // A resubscription sends the same text.
    ASSERT_TRUE(server_.Send("Arn.Reset:\r\n"));
    EXPECT_EQ(server_.ReadLine(nullptr, 3000ms), line);
    EXPECT_EQ(LogCount(dw::kLogLongSubscription), 1);
}

TEST_F(ZekoClientSend, NumbersOutsideTheTableAreNeitherRegisteredNorSubscribed) {
    CZekoClient client;
    const SubscriptionEntry list[] = {{-5, &cells_[0]}, {2999, &cells_[1]}, {7, &cells_[2]}, {}};
    OpenOn(client, list);
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:7:");
    EXPECT_EQ(LogCount(dw::kLogNumberRange), 1);
}

}  // namespace
}  // namespace linktest
