// What a CZekoClient puts on the wire when the server is slow or stops reading: whole lines
// or, once a line cannot go out whole in time, a logged error and a link that is broken, so
// that no part of a line is ever followed by another line.
#include "LinkTestSupport.h"

namespace linktest {
namespace {

using namespace dw;

// The server takes only 2 KB at a time: the client's sends are soon short and must be
// continued, then stop halfway.
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

TEST_F(ZekoClientSend, AServerThatStopsReadingGetsWholeLinesThenTheLinkBreaks) {
    CZekoClient client;
    ASSERT_TRUE(OpenOn(client, nullptr));
    std::vector<std::string> flushed;  // lines handed to Flush, in order
    for (int i = 0; client.IsConnected(); i += 300) {
        ASSERT_LT(i, 3000000) << "the link never broke";
        const std::string line = SetLine(client, i, 300);
        if (line.empty() || !client.Flush()) break;
        flushed.push_back(line);
    }
    EXPECT_FALSE(client.IsConnected() || client.SetValue(1, 1) || client.Flush());
    EXPECT_EQ(Log(), kLogSendFailed);
    EXPECT_TRUE(
        WaitUntil([&] { return target_.Codes() == std::vector<int>{kZekoConnectionEnded}; }));
    // The server reads at last: every line it gets whole was flushed whole and in order; the
    // rest is the start of the line that broke the link, with nothing behind it.
    std::vector<std::string> lines;
    while (std::optional<std::string> line = server_.ReadLine()) lines.push_back(*line);
    std::string rest;
    ASSERT_TRUE(server_.ReadToEnd(rest));
    ASSERT_LT(lines.size(), flushed.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], flushed[i]) << i;
    EXPECT_TRUE(flushed[lines.size()].starts_with(rest));
    EXPECT_FALSE(client.Close());
}

}  // namespace
}  // namespace linktest
