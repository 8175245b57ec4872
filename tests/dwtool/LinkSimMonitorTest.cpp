// dwtool sim and dwtool monitor end to end, on loopback: the sim as a real server, the
// monitor as its client, and a bare socket where the exact bytes matter.
#include <gtest/gtest.h>
#include <signal.h>

#include <map>
#include <string>
#include <vector>

#include "LinkSimProcess.h"
#include "support/TempDir.h"

namespace linksim {
namespace {

class LinkSimMonitor : public ::testing::Test {
protected:
    // Starts `dwtool sim --port 0 ARGS...` and returns its port (0 when it did not start).
    int StartSim(std::vector<std::string> args) {
        args.insert(args.begin(), {"sim", "--port", "0"});
        sim_ = std::make_unique<ToolProcess>(args, folder_.Path().string());
        if (!sim_->Started() || !sim_->WaitFor("listening on")) return 0;
        return ListeningPort(sim_->Output());
    }
    std::string Scenario(const std::string& text) { return folder_.Write("scenario.txt", text); }
    std::unique_ptr<ToolProcess> Monitor(int port, std::vector<std::string> args) {
        args.insert(args.begin(), {"monitor", "127.0.0.1:" + std::to_string(port)});
        return std::make_unique<ToolProcess>(args, folder_.Path().string());
    }

    dwtest::TempDir folder_;
    std::unique_ptr<ToolProcess> sim_;
};

TEST_F(LinkSimMonitor, MonitorPrintsTheSubscribedVariablesTheSimPublishes) {
    folder_.Write("t.csv", "seconds,value\n0,-7\n100,8\n");
    const int port = StartSim({"--scenario",
                               Scenario("rate 50\n101 constant 42\n"
                                        "102 timeline t.csv step\n"
                                        "5 constant 9\n"),
                               "--duration", "5"});
    ASSERT_GT(port, 0) << sim_->Output();
    auto monitor = Monitor(port, {"101", "102", "103", "--duration", "0.6"});
    EXPECT_EQ(monitor->Wait(), 0);
    EXPECT_NE(monitor->Output().find("101 = 42\n"), std::string::npos) << monitor->Output();
    EXPECT_NE(monitor->Output().find("102 = -7\n"), std::string::npos) << monitor->Output();
    // 5 is not subscribed and 103 is not in the scenario: neither is ever printed.
    EXPECT_EQ(monitor->Output().find("5 = "), std::string::npos);
    EXPECT_EQ(monitor->Output().find("103 = "), std::string::npos);
    EXPECT_TRUE(sim_->WaitFor("client 1 subscribed to 3 variables: 101 102 103")) << sim_->Output();
    EXPECT_TRUE(sim_->WaitFor("client 1 said farewell"));
}

TEST_F(LinkSimMonitor, SimSendsOnlySubscribedVariablesAndOnlyChangedValues) {
    const int port = StartSim({"--scenario", Scenario("* constant 3\n101 constant 42\n"), "--rate",
                               "100", "--duration", "5"});
    ASSERT_GT(port, 0);
    RawClient client(port);
    ASSERT_TRUE(client.Connected());
    ASSERT_TRUE(client.Send("Arn.Inicio:101:7:\r\n"));
    EXPECT_EQ(client.LinesFor(300ms), std::vector<std::string>{"Arn.Resp:101=42:7=3:"});
    ASSERT_TRUE(client.Send("Arn.Fin:\r\n"));
    bool closed = false;
    EXPECT_TRUE(client.LinesFor(1000ms, &closed).empty());
    EXPECT_TRUE(closed);
    EXPECT_TRUE(sim_->WaitFor("client 1 said farewell"));
}

// The pairs of "Arn.Resp:N=V:N=V:" as a map.
std::map<int, int> Pairs(const std::string& line) {
    std::map<int, int> pairs;
    std::size_t at = line.find(':');
    while (at != std::string::npos && at + 1 < line.size()) {
        const std::size_t next = line.find(':', at + 1);
        const std::string pair = line.substr(at + 1, next - at - 1);
        const std::size_t equals = pair.find('=');
        if (equals != std::string::npos)
            pairs[std::stoi(pair.substr(0, equals))] = std::stoi(pair.substr(equals + 1));
        at = next;
    }
    return pairs;
}

TEST_F(LinkSimMonitor, EachGeneratorStartsWhereItsDefinitionSays) {
    folder_.Write("t.csv", "0;100\n1000;1100\n");
    const int port = StartSim({"--scenario",
                               Scenario("1 square 0 1 100 0.5\n"
                                        "2 square 5 9 100 0\n"
                                        "3 ramp 1000 2000 1000\n"
                                        "4 sine 500 100 1000\n"
                                        "5 timeline t.csv\n"
                                        "6 constant -2.5\n"
                                        "* constant 77\n"),
                               "--duration", "5"});
    ASSERT_GT(port, 0);
    RawClient client(port);
    ASSERT_TRUE(client.Send("Arn.Inicio:1:2:3:4:5:6:7:\r\n"));
    const std::vector<std::string> lines = client.LinesFor(300ms);
    ASSERT_FALSE(lines.empty());
    ASSERT_EQ(lines[0].rfind("Arn.Resp:1=", 0), 0u) << lines[0];
    const std::map<int, int> values = Pairs(lines[0]);
    ASSERT_EQ(values.size(), 7u) << lines[0];
    EXPECT_EQ(values.at(1), 1);  // high for the first half of each period
    EXPECT_EQ(values.at(2), 5);  // duty 0: always low
    EXPECT_NEAR(values.at(3), 1000, 3);
    EXPECT_NEAR(values.at(4), 500, 3);
    EXPECT_NEAR(values.at(5), 100, 3);
    EXPECT_EQ(values.at(6), -3);  // rounded half away from zero
    EXPECT_EQ(values.at(7), 77);  // "*" covers the rest
}

TEST_F(LinkSimMonitor, ValuesSentByOneClientReachTheOthers) {
    const int port = StartSim({"--scenario", Scenario("300 constant 1\n"), "--duration", "5"});
    ASSERT_GT(port, 0);
    RawClient watcher(port);
    ASSERT_TRUE(watcher.Send("Arn.Inicio:300:\r\n"));
    EXPECT_EQ(watcher.LinesFor(300ms), std::vector<std::string>{"Arn.Resp:300=1:"});
    auto setter = Monitor(port, {"301", "--set", "300=-7", "--duration", "0.3"});
    EXPECT_EQ(setter->Wait(), 0);
    EXPECT_NE(setter->Output().find("sent 300=-7"), std::string::npos) << setter->Output();
    EXPECT_TRUE(sim_->WaitFor("client 2 set 300=-7")) << sim_->Output();
    EXPECT_EQ(watcher.LinesFor(300ms), std::vector<std::string>{"Arn.Resp:300=-7:"});
}

TEST_F(LinkSimMonitor, InterruptedSimSaysFarewellAndTheMonitorEnds) {
    const int port = StartSim({});
    ASSERT_GT(port, 0);
    auto monitor = Monitor(port, {"12"});
    ASSERT_TRUE(monitor->WaitFor("12 = ")) << monitor->Output();  // the default ramp
    sim_->Signal(SIGINT);
    EXPECT_EQ(monitor->Wait(), 0);
    EXPECT_NE(monitor->Output().find("server said farewell"), std::string::npos);
    EXPECT_EQ(sim_->Wait(), 0);
    EXPECT_NE(sim_->Output().find("sent farewell to 1 clients"), std::string::npos);
}

TEST_F(LinkSimMonitor, ResubscribeEventAsksTheClientsAgain) {
    const int port =
        StartSim({"--scenario", Scenario("at 0.4 resubscribe\n9 constant 1\n"), "--duration", "5"});
    ASSERT_GT(port, 0);
    RawClient client(port);
    ASSERT_TRUE(client.Send("Arn.Inicio:9:\r\n"));
    const std::vector<std::string> lines = client.LinesFor(700ms);
    EXPECT_EQ(lines, (std::vector<std::string>{"Arn.Resp:9=1:", "Arn.Reset:"}));
    // A new subscription gets every value again.
    ASSERT_TRUE(client.Send("Arn.Inicio:9:\r\n"));
    EXPECT_EQ(client.LinesFor(300ms), std::vector<std::string>{"Arn.Resp:9=1:"});
}

TEST_F(LinkSimMonitor, CommandsOnStandardInputResubscribeHoldAndStop) {
    ToolProcess sim({"sim", "--port", "0", "--scenario", Scenario("9 constant 1\n")},
                    folder_.Path().string(), true);
    ASSERT_TRUE(sim.WaitFor("listening on"));
    RawClient client(ListeningPort(sim.Output()));
    ASSERT_TRUE(client.Send("Arn.Inicio:9:\r\n"));
    EXPECT_EQ(client.LinesFor(300ms), std::vector<std::string>{"Arn.Resp:9=1:"});
    ASSERT_TRUE(sim.Type("set 9 -40\nresubscribe\n"));
    // The request goes out at once, the held value with the next tick.
    EXPECT_EQ(client.LinesFor(300ms), (std::vector<std::string>{"Arn.Reset:", "Arn.Resp:9=-40:"}));
    ASSERT_TRUE(sim.Type("fin\n"));
    bool closed = false;
    EXPECT_EQ(client.LinesFor(2000ms, &closed), std::vector<std::string>{"Arn.Fin:"});
    EXPECT_TRUE(closed);
    EXPECT_EQ(sim.Wait(), 0);
    EXPECT_NE(sim.Output().find("9 held at -40"), std::string::npos) << sim.Output();
}

TEST_F(LinkSimMonitor, DurationEndsTheSimWithAFarewell) {
    const int port = StartSim({"--duration", "0.4"});
    ASSERT_GT(port, 0);
    RawClient client(port);
    ASSERT_TRUE(client.Connected());
    bool closed = false;
    const std::vector<std::string> lines = client.LinesFor(2000ms, &closed);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Arn.Fin:");
    EXPECT_EQ(sim_->Wait(), 0);
    EXPECT_NE(sim_->Output().find("duration ended"), std::string::npos);
}

TEST_F(LinkSimMonitor, BadScenarioIsReportedWithItsLine) {
    ToolProcess sim(
        {"sim", "--port", "0", "--scenario", Scenario("# demo\n101 constant 4\n102 wobble 1\n")},
        folder_.Path().string());
    EXPECT_EQ(sim.Wait(), 1);
    EXPECT_NE(sim.Output().find("scenario.txt:3: unknown generator: wobble"), std::string::npos)
        << sim.Output();
}

TEST_F(LinkSimMonitor, MonitorReportsAServerThatCannotBeReached) {
    const int port = StartSim({"--duration", "0.2"});
    ASSERT_GT(port, 0);
    ASSERT_EQ(sim_->Wait(), 0);
    auto monitor = Monitor(port, {"1"});
    EXPECT_EQ(monitor->Wait(), 1);
    EXPECT_NE(monitor->Output().find("cannot connect"), std::string::npos);
    EXPECT_EQ(dwtest::ReadFile(folder_.File("zekoclient.log")),
              "ERROR: Imposible conectar con el server 1.\n");
}

TEST_F(LinkSimMonitor, WrongArgumentsGiveUsage) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"monitor"},
                                                 {"monitor", "localhost", "1"},
                                                 {"monitor", "127.0.0.1:8090", "0"},
                                                 {"monitor", "127.0.0.1:8090", "1", "--set", "x"},
                                                 {"sim", "--port"},
                                                 {"sim", "--rate", "0"},
                                                 {"sim", "--bogus", "1"}}) {
        ToolProcess tool(args, folder_.Path().string());
        EXPECT_EQ(tool.Wait(), 2) << args[0] << " " << args.size();
        EXPECT_NE(tool.Output().find("usage: dwtool"), std::string::npos);
    }
}

}  // namespace
}  // namespace linksim
