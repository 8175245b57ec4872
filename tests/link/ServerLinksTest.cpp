// A run's server links end to end: plug-in calls, alias resolution, opening both links and
// the "RunTime" report of a link that cannot be reached.
#include <gtest/gtest.h>

#include <vector>

#include "LinkTestSupport.h"
#include "LoopbackServer.h"
#include "PlugInTestSupport.h"
#include "link/ServerLinks.h"
#include "support/MemorySettingsStore.h"

namespace linktest {
namespace {

using dw::ServerLinks;
using dw::ServerLinkSettings;

const ServerLinkSettings kOff{"MORV", "0.0.0.0", 8092};

class ServerLinksTest : public InTempFolder {
protected:
    ServerLinkSettings Direct(int port) { return {"FlightSimulator", "127.0.0.1", port}; }
    bool Open(ServerLinks& links) {
        return links.OpenLinks(&target_, store_, [this] { ++closeRequests_; });
    }
    int RunTime(const char* key) { return store_.ReadInt("RunTime", key, -1); }

    LoopbackServer server_;
    RecordingTarget target_;
    dwtest::MemorySettingsStore store_;
    int closeRequests_ = 0;
};

TEST_F(ServerLinksTest, ReachableLinkOneAndLinkTwoOffStartTheRun) {
    ServerLinks links(Direct(server_.Port()), kOff);
    const std::vector<dw::LinkedVariable> linked = {{1, 12}, {2, 40}, {1, 345}, {1, 12}};
    EXPECT_EQ(links.CollectVariables(linked).size(), 3u);
    EXPECT_TRUE(Open(links));
    ASSERT_TRUE(server_.Accept());
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:12:345:");
    EXPECT_TRUE(links.Client(1).IsConnected());
    EXPECT_FALSE(links.Client(2).IsConnected());
    EXPECT_EQ(closeRequests_, 0);
    EXPECT_TRUE(store_.writes.empty());
    ASSERT_TRUE(server_.Send("Arn.Resp:345=-9:\r\n"));
    EXPECT_TRUE(WaitUntil([&] { return dw::LoadCell(links.Values(1)[345]) == -9; }));
    // Notifications are off; only the farewell's close request reaches the window.
    ASSERT_TRUE(server_.Send("Arn.Fin:\r\n"));
    EXPECT_TRUE(WaitUntil([&] { return target_.Closes() == 1; }));
    EXPECT_TRUE(target_.Codes().empty());
    links.CloseLinks();
    EXPECT_EQ(server_.ReadLine(), "Arn.Fin:");
}

TEST_F(ServerLinksTest, UnreachableLinkWritesItsCodeAndAsksToClose) {
    ServerLinks links(Direct(UnusedPort()), kOff);
    links.CollectVariables({});
    EXPECT_FALSE(Open(links));
    EXPECT_EQ(RunTime("LastError"), 9001);
    EXPECT_EQ(RunTime("LastLine"), 0);
    EXPECT_EQ(RunTime("Element"), 0);
    EXPECT_EQ(store_.writes, (std::vector<std::string>{"RunTime/LastError", "RunTime/LastLine",
                                                       "RunTime/Element"}));
    EXPECT_EQ(closeRequests_, 1);
}

TEST_F(ServerLinksTest, BothLinksFailingLeaveTheCodeOfLinkTwo) {
    ServerLinks links(Direct(UnusedPort()), {"MORV", "127.0.0.1", UnusedPort()});
    links.CollectVariables({});
    EXPECT_FALSE(Open(links));
    EXPECT_EQ(RunTime("LastError"), 9002);
    EXPECT_EQ(closeRequests_, 2);
}

TEST_F(ServerLinksTest, AliasLinkWithoutModuleFailsWithoutResolving) {
    ServerLinks links({"FlightSimulator", "255.255.255.255", 8090}, kOff);
    links.LoadPlugIn(folder_.File("no-such.mod"));
    links.CollectVariables({});
    links.ResolveAliases([](int) { FAIL() << "no module, no waiting"; });
    EXPECT_EQ(links.Link(1).ip, "255.255.255.255");
    EXPECT_FALSE(Open(links));
    EXPECT_EQ(RunTime("LastError"), 9001);
}

TEST_F(ServerLinksTest, AliasIsResolvedThroughThePlugInAndConnected) {
    PlugInFiles files(folder_,
                      "FlightSimulator 127.0.0.1 " + std::to_string(server_.Port()) + "\n");
    const ServerLinkSettings editorLink{"FlightSimulator", "255.255.255.255", 8090};
    ServerLinks links(editorLink, kOff);
    links.LoadPlugIn(PlugInPath());
    ASSERT_TRUE(links.PlugIn(1).IsLoaded());
    ASSERT_TRUE(links.PlugIn(2).IsLoaded());
    links.PlugIn(1).Stop();
    links.CollectVariables(std::vector<dw::LinkedVariable>{{1, 7}});
    links.ResolveAliases([](int) {});
    EXPECT_EQ(links.Link(1).ip, "127.0.0.1");
    EXPECT_EQ(links.Link(1).port, server_.Port());
    EXPECT_EQ(links.Link(2), kOff);
    EXPECT_TRUE(Open(links));
    ASSERT_TRUE(server_.Accept());
    EXPECT_EQ(server_.ReadLine(), "Arn.Inicio:7:");
}

TEST_F(ServerLinksTest, PlugInIsStartedForBothLinksAndStoppedTwice) {
    PlugInFiles files(folder_, "");
    ServerLinks links(kOff, kOff);
    links.LoadPlugIn(PlugInPath());
    links.PlugInStart(nullptr, "Cessna panel");
    links.PlugInStop();
    EXPECT_EQ(files.Trace(),
              (std::vector<std::string>{"Start DW/1 2.0 Cessna panel 0 nowindow",
                                        "SetStatus Connected and running",
                                        "Start DW/2 2.0 Cessna panel 0 nowindow",
                                        "SetStatus Connected and running", "Stop", "Stop"}));
}

TEST_F(ServerLinksTest, NoPlugInCallsWithoutTheModule) {
    PlugInFiles files(folder_, "");
    ServerLinks links(kOff, kOff);
    links.LoadPlugIn(folder_.File("missing.mod"));
    links.PlugInStart(nullptr, "g");
    links.PlugInStop();
    EXPECT_TRUE(files.Trace().empty());
}

TEST_F(ServerLinksTest, ClearValuesZeroesBothTables) {
    ServerLinks links(kOff, kOff);
    links.Values(1)[3] = 4;
    links.Values(2)[1195] = 5;
    links.ClearValues();
    EXPECT_EQ(dw::LoadCell(links.Values(1)[3]), 0);
    EXPECT_EQ(dw::LoadCell(links.Values(2)[1195]), 0);
}

TEST_F(ServerLinksTest, DestroyingTheLinksSaysFarewell) {
    {
        ServerLinks links(Direct(server_.Port()), kOff);
        links.CollectVariables({});
        ASSERT_TRUE(Open(links));
        ASSERT_TRUE(server_.Accept());
    }
    EXPECT_EQ(server_.ReadLine(), "Arn.Fin:");
}

}  // namespace
}  // namespace linktest
