// What a CZekoClient puts on the wire when the server is slow or stops reading: whole lines
// or, once a line cannot go out whole in time, a logged error and a link that is broken, so
// that no part of a line is ever followed by another line.
#include "LinkTestSupport.h"

namespace linktest {
namespace {

using namespace dw;

// Each test's server takes only 2 KB at a time.
class ZekoClientSend : public LinkTest {
protected:
    ZekoClientSend() : LinkTest(2048) {}
};

// One flushed "Arn.Resp:" line of `pairs` values, set on `client`; "" when a set failed.
std::string SetLine(CZekoClient& client, int first, int pairs) {
    std::string line = "Arn.Resp:";
    for (int i = first; i < first + pairs; ++i) {
        if (!client.SetValue(i % 2999, 1234567)) return "";
        line += std::to_string(i % 2999) + "=1234567:";
    }
    return line;
}

// Splits what a server received into whole lines (without "\r\n") and the incomplete rest.
std::vector<std::string> WholeLines(std::string bytes, std::string& rest) {
    std::vector<std::string> lines;
    for (std::size_t end; (end = bytes.find("\r\n")) != std::string::npos; bytes.erase(0, end + 2))
        lines.push_back(bytes.substr(0, end));
    rest = bytes;
    return lines;
}

TEST_F(ZekoClientSend, AServerThatStopsReadingGetsWholeLinesThenTheLinkBreaks) {
    // A small window on the server's side: the client's sends soon stop halfway.
    CZekoClient client;
    ASSERT_TRUE(OpenOn(client, nullptr));
    std::vector<std::string> flushed;  // lines handed to Flush, in order
    {
        Watchdog watchdog("flushing to a server that does not read");
        for (int i = 0; client.IsConnected(); i += 300) {
            ASSERT_LT(i, 3000000) << "the link never broke";
            const std::string line = SetLine(client, i, 300);
            if (line.empty() || !client.Flush()) break;
            flushed.push_back(line);
        }
    }
    EXPECT_FALSE(client.IsConnected() || client.SetValue(1, 1) || client.Flush());
    EXPECT_EQ(Log(), kLogSendFailed);
    EXPECT_TRUE(
        WaitUntil([&] { return target_.Codes() == std::vector<int>{kZekoConnectionEnded}; }));
    // The server reads at last: every line it gets whole was flushed whole and in order; the
    // rest is the start of the line that broke the link, with nothing behind it.
    std::string bytes, rest;
    ASSERT_TRUE(server_.ReadToEnd(bytes));
    const std::vector<std::string> lines = WholeLines(bytes, rest);
    ASSERT_LT(lines.size(), flushed.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], flushed[i]) << i;
    EXPECT_TRUE(flushed[lines.size()].starts_with(rest));
    EXPECT_FALSE(client.Close());
}

TEST_F(ZekoClientSend, LongLinesReachASlowReaderWhole) {
    CZekoClient client;
    ASSERT_TRUE(OpenOn(client, nullptr));
    // Each line (13 KB) is far longer than both socket buffers, so every send call is short
    // and the client sends the rest as the server reads on.
    std::vector<std::string> flushed;
    std::vector<std::string> received;
    std::thread reader([&] {
        while (received.size() < 8)
            if (std::optional<std::string> line = server_.ReadLine())
                received.push_back(*line);
            else
                return;
    });
    for (int i = 0; i < 8; ++i) {
        flushed.push_back(SetLine(client, i * 1000, 1000));
        ASSERT_TRUE(client.Flush());
    }
    reader.join();
    EXPECT_EQ(received, flushed);
    EXPECT_EQ(Log(), "");
    EXPECT_TRUE(client.IsConnected());
}

}  // namespace
}  // namespace linktest
