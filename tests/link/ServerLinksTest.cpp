// A run's server links end to end: the plug-in wrapper and alias resolution with the sample
// module built beside the tests, opening both links, the "RunTime" entries of a link found but
// not answering and the message that reports it.
#include "LinkTestSupport.h"
#include "link/AliasResolver.h"
#include "link/ServerLinkReport.h"
#include "link/ServerLinks.h"
#include "support/MemorySettingsStore.h"

namespace linktest {
namespace {

using dw::ServerLinkSettings;
const ServerLinkSettings kOff{"MORV", "0.0.0.0", 8092};
const std::string kByAlias = "255.255.255.255", kPlugIn = DW_UZEKOPNP_PATH;

// Points the sample module at a server table and a trace file (one line per call).
struct PlugInFiles {
    PlugInFiles(const dwtest::TempDir& folder, const std::string& table) {
        setenv("UZEKOPNP_TABLE", folder.Write("servers.txt", table).c_str(), 1);
        setenv("UZEKOPNP_TRACE", folder.File("trace.txt").c_str(), 1);
    }
    ~PlugInFiles() { unsetenv("UZEKOPNP_TABLE"), unsetenv("UZEKOPNP_TRACE"); }
};

using ServerLinks = LinkTest;

// An alias that cannot be resolved without the module ends the run's start with 9001.
TEST_F(ServerLinks, AnAliasWithoutTheModuleWritesItsCodeAndAsksToClose) {
    PlugInFiles files(folder_, "FlightSimulator 127.0.0.1 1\n");
    dw::ServerLinks links({"FlightSimulator", kByAlias, 8090}, kOff);
    links.LoadPlugIn(folder_.File("missing.mod"));
    links.PlugInStart(nullptr, "g");
    links.ResolveAliases([](int) { FAIL() << "no module, no waiting"; });
    links.CollectVariables({});
    dwtest::MemorySettingsStore store;
    int closes = 0;
    EXPECT_FALSE(links.OpenLinks(&target_, store, [&] { ++closes; }));
    links.PlugInStop();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(store.ReadInt("RunTime", "LastError", -1), 9001);
    EXPECT_EQ(dwtest::ReadFile(folder_.File("trace.txt")), "");  // no module, no calls
}

TEST_F(ServerLinks, PlugInResolvesAliasesAndIsStartedAndStoppedForBothLinks) {
    const ClosedPort closed;
    const int unused = closed.Port();
    const std::string port = std::to_string(server_.Port()), down = std::to_string(unused);
    dw::ServerLinks links({"FlightSimulator", kByAlias, 8090}, {"MORV", kByAlias, 1});
    links.LoadPlugIn(kPlugIn);
    links.PlugIn(1).Stop();  // forget the module's earlier counts
    PlugInFiles files(folder_, "# servers\n\nFlightSimulator 127.0.0.1 " + port +
                                   "\nMORV 127.0.0.1 " + down + " after 2\n");
    links.PlugInStart(nullptr, "Cessna panel");
    std::vector<int> waits;
    links.ResolveAliases([&](int ms) { waits.push_back(ms); });
    EXPECT_EQ(waits, (std::vector<int>{1000, 1000}));
    EXPECT_EQ(links.Link(1), (ServerLinkSettings{"FlightSimulator", "127.0.0.1", server_.Port()}));
    EXPECT_EQ(links.Link(2), (ServerLinkSettings{"MORV", "127.0.0.1", unused}));
    links.CollectVariables(std::vector<dw::LinkedVariable>{{1, 7}, {2, 7}, {1, 7}, {1, 9}});
    dwtest::MemorySettingsStore store;
    EXPECT_FALSE(links.OpenLinks(&target_, store, [] {}));  // link 2 found, but not answering
    EXPECT_EQ(store.ReadInt("RunTime", "LastError", -1), 9002);
    ASSERT_TRUE(server_.Accept());
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:7:9:");
    // Notifications are off; only the farewell's close request reaches the window.
    ASSERT_TRUE(server_.Send("Arn.Resp:9=-9:\r\nArn.Fin:\r\n"));
    EXPECT_TRUE(WaitUntil([&] { return !target_.Codes().empty(); }));
    EXPECT_EQ(target_.Codes(), std::vector<int>{RecordingTarget::kClose});
    EXPECT_EQ(dw::LoadCell(links.Values(1)[9]), -9);
    links.CloseLinks();
    EXPECT_EQ(server_.ReadLine(), "Arn.Fin:");
    links.PlugInStop();
    const std::string start = " 2.0 Cessna panel 0 nowindow\nSetStatus Connected and running\n",
                      morv = "Count ANY ANY MORV -1 -> ", found = "1 -> 127.0.0.1 ";
    EXPECT_EQ(
        dwtest::ReadFile(folder_.File("trace.txt")),
        "Start DW/1" + start + "Start DW/2" + start + "Count ANY ANY FlightSimulator -1 -> 1\n" +
            "GetIpAndPortOf ANY ANY FlightSimulator " + found + port + "\n" + morv + "0\n" + morv +
            "0\n" + morv + "1\nGetIpAndPortOf ANY ANY MORV " + found + down + "\nStop\nStop\n");
}

TEST_F(ServerLinks, PlugInWrapperTreatsAModuleWithoutStartOrStopAsAbsent) {
    dw::CUZekoPnp pnp;
    EXPECT_FALSE(pnp.Load(folder_.File("uzekopnp.mod")));  // missing
    std::string address = "keep";
    int port = 5;
    EXPECT_EQ(pnp.Count("X") + pnp.Stop() + pnp.GetIpAndPortOf("X", address, port), 0);
    EXPECT_EQ(port, -1);
    EXPECT_FALSE(pnp.Load("libm.so.6"));  // loads, but exports neither
    ASSERT_TRUE(pnp.Load(kPlugIn) && pnp.CanResolve() && pnp.HasGetStatusOf());
    // An alias that is never found: 30 tries of "Count", one second apart; the link stays.
    PlugInFiles files(folder_, "Other 127.0.0.1 1\nnobody 127.0.0.1 2\n");
    ServerLinkSettings link{"Nobody", kByAlias, 77};
    std::vector<int> waits;
    EXPECT_FALSE(dw::ResolveAlias(pnp, link, [&](int ms) { waits.push_back(ms); }));
    EXPECT_EQ(waits, std::vector<int>(29, 1000));
    EXPECT_EQ(link, (ServerLinkSettings{"Nobody", kByAlias, 77}));
}

TEST_F(ServerLinks, AVariableNumbered0EndsTheSubscriptionOfItsLink) {
    dw::ServerLinks links({"FlightSimulator", "127.0.0.1", server_.Port()}, kOff);
    links.CollectVariables(std::vector<dw::LinkedVariable>{{1, 10}, {1, 0}, {1, 20}, {2, 5}});
    dwtest::MemorySettingsStore store;
    ASSERT_TRUE(links.OpenLinks(&target_, store, [] { FAIL() << "link 1 is up"; }));
    ASSERT_TRUE(server_.Accept());
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:10:");
    // 20 stands behind the 0: it is not registered either.
    ASSERT_TRUE(server_.Send("Arn.Resp:20=5:0=7:10=6:\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return dw::LoadCell(links.Values(1)[10]) == 6; }));
    EXPECT_EQ(dw::LoadCell(links.Values(1)[20]) + dw::LoadCell(links.Values(1)[0]), 0);
    links.CloseLinks();
}

TEST_F(ServerLinks, PlugInTableLinesAreAliasDottedAddressAndPortWithCommentsBehind) {
    const struct {
        std::string table;
        std::string address;  // "" when the alias "A" is not found
        int port;
    } rows[] = {
        {" \tA\t192.168.1.20\t65535 after 0# up at once\r\n", "192.168.1.20", 65535},
        {"# A 127.0.0.1 1\nB 127.0.0.1 2\na 127.0.0.1 3\n", "", -1},  // comment, other aliases
        {"A 127.0.0.1 65536\n", "", -1},
        {"A 1234567890123456789 8090\n", "", -1},
        {"A 1.2.3 1\nA 10.0.0.9 99\n", "10.0.0.9", 99},  // the first valid line counts
    };
    dw::CUZekoPnp pnp;
    ASSERT_TRUE(pnp.Load(kPlugIn));
    for (const auto& row : rows) {
        PlugInFiles files(folder_, row.table);
        pnp.Stop();  // forget earlier counts
        std::string address = "?";
        int port = 0;
        EXPECT_EQ(pnp.Count("A"), row.address.empty() ? 0 : 1) << row.table;
        EXPECT_EQ(pnp.GetIpAndPortOf("A", address, port), row.address.empty() ? 0 : 1);
        EXPECT_EQ(address, row.address) << row.table;
        EXPECT_EQ(port, row.port) << row.table;
    }
}

TEST(ServerLinkReport, FailedLinkGetsTheAliasOrTheNotRespondingMessage) {
    const dw::ServerLinkSettings byAlias{"%s%d", "255.255.255.255", 8092},
        direct{"X", "10.1.2.3", 8090};
    const std::string tail = ".\r\n\r\nDo you want change it's configuration?";
    std::optional<dw::MessageRequest> report;
    ASSERT_TRUE((report = dw::ServerLinkReport(9002, direct, byAlias)));
    EXPECT_EQ(report->text,
              "Could not find any ZEKO Server with alias %s%d for the ZEKO Client n\xBA 2" + tail);
    EXPECT_EQ(report->title, "ZEKO error");
    EXPECT_EQ(report->buttons, dw::Buttons::YesNo);
    EXPECT_EQ(report->icon, dw::Icon::Error);
    ASSERT_TRUE((report = dw::ServerLinkReport(9001, direct, byAlias)));
    EXPECT_EQ(
        report->text,
        "The ZEKO Server at zeko://10.1.2.3:8090, for the ZEKO Client 1, is not responding" + tail);
    for (int code : {0, 1, 8001, 9000, 9003})
        EXPECT_FALSE(dw::ServerLinkReport(code, byAlias, byAlias)) << code;
}

}  // namespace
}  // namespace linktest
