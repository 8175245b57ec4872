// dwtool sim and dwtool monitor end to end on loopback: the sim as a real server, the
// monitor as its client, and a bare socket where the exact bytes matter. Every step waits for
// what it expects (a text, a line), never for a stretch of time.
#include "LinkSimProcess.h"

namespace linksim {
namespace {

using Lines = std::vector<std::string>;

class LinkSimMonitor : public SimTest {
protected:
    std::unique_ptr<ToolProcess> Monitor(int port, std::vector<std::string> args) {
        args.insert(args.begin(), {"monitor", "127.0.0.1:" + std::to_string(port)});
        return Tool(args);
    }
};

TEST_F(LinkSimMonitor, MonitorPrintsWhatTheSimPublishesAndItsValuesReachOtherClients) {
    folder_.Write("t.csv", "seconds,value\n0,-7\n100,8\n");
    // The lowest value is a value like any other.
    const int port =
        StartSim("rate 50\n101 constant -2147483648\n102 timeline t.csv step\n5 constant 9\n");
    ASSERT_GT(port, 0) << sim_->out;
    RawClient watcher(port);
    ASSERT_TRUE(watcher.Send("Arn.Inicio:5:\r\n"));
    EXPECT_EQ(watcher.Lines(1), Lines{"Arn.Resp:5=9:"});
    auto monitor = Monitor(port, {"101", "102", "103", "--set", "5=-7"});
    for (const char* text : {"sent 5=-7\n", "101 = -2147483648\n", "102 = -7\n"})
        EXPECT_TRUE(monitor->WaitFor(text)) << text << monitor->out;
    EXPECT_EQ(watcher.Lines(1), Lines{"Arn.Resp:5=-7:"});  // the value the monitor set
    for (const char* text :
         {"client 2 subscribed to 3 variables: 101 102 103", "client 2 set 5=-7"})
        EXPECT_TRUE(sim_->WaitFor(text)) << text << sim_->out;
    // Interrupted, the monitor says farewell and ends.
    monitor->Signal(SIGINT);
    EXPECT_EQ(monitor->Wait(), 0);
    EXPECT_TRUE(sim_->WaitFor("client 2 said farewell")) << sim_->out;
    // 5 is not subscribed and 103 is not in the scenario: neither is ever printed.
    for (const char* text : {"\n5 = ", "103 = "})
        EXPECT_EQ(monitor->out.find(text), std::string::npos) << text;
    // Interrupted, the sim says farewell to the clients left.
    sim_->Signal(SIGINT);
    EXPECT_EQ(watcher.LinesToEnd(), (Lines{"Arn.Fin:", "(closed)"}));
    EXPECT_EQ(sim_->Wait(), 0);
    EXPECT_NE(sim_->out.find("sent farewell to 1 clients"), std::string::npos) << sim_->out;
}

TEST_F(LinkSimMonitor, GeneratorsStartThenOnlyChangesAreSent) {
    folder_.Write("t.csv", "0;100\n100000;1100\n");  // slow enough to stay put for a minute
    RawClient client(StartSim(
        "1 square 0 1 100 0.5\n2 square 5 9 100 0\n3 ramp 1000 2000 100000\n"
        "4 sine 500 100 100000\n5 timeline t.csv\n6 constant -2.5\n7 constant 1\n* constant 77\n",
        {"--rate", "100"}));
    ASSERT_TRUE(client.Send("Arn.Inicio:1:2:3:4:5:6:8:\r\n"));
    // Square waves start high (unless the duty is 0), -2.5 rounds away from zero, "*" covers
    // the rest and 7 is not subscribed.
    EXPECT_EQ(client.Lines(1), Lines{"Arn.Resp:1=1:2=5:3=1000:4=500:5=100:6=-3:8=77:"});
    // Nothing is sent again while nothing changes: the next line holds only what changed.
    ASSERT_TRUE(sim_->Type("set 6 11\n"));
    EXPECT_EQ(client.Lines(1), Lines{"Arn.Resp:6=11:"});
}

// Timed events: a value held from its time on over the generator, a resubscription request
// to every client, then the farewell that ends the sim.
TEST_F(LinkSimMonitor, ScenarioEventsHoldAValueAskAgainAndEnd) {
    RawClient client(
        StartSim("rate 100\n7 constant 1\nat 0.4 set 7 42\nat 0.4 resubscribe\n"
                 "at 1.5 fin\n"));
    ASSERT_TRUE(client.Send("Arn.Inicio:7:\r\n"));
    const Lines lines = client.LinesToEnd();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Arn.Resp:7=42:"), 1) << lines.size();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Arn.Reset:"), 1);
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"Arn.Fin:", "(closed)"}));
    EXPECT_EQ(sim_->Wait(), 0);
    EXPECT_NE(sim_->out.find("dwtool sim: 7 held at 42"), std::string::npos) << sim_->out;
}

TEST_F(LinkSimMonitor, SimHoldsAndServesOnlyVariableNumbers) {
    RawClient client(StartSim("* constant 7\n"));
    ASSERT_TRUE(client.Send("Arn.Resp:3000=1:-1=2:2998=3:\r\nArn.Inicio:2998:3000:-1:5:\r\n"));
    EXPECT_EQ(client.Lines(1), Lines{"Arn.Resp:2998=3:5=7:"});
    for (const char* text :
         {"client 1 set 3000=1, ignored: not a variable number 0..2998\n",
          "client 1 set -1=2, ignored: not a variable number 0..2998\nclient 1 set 2998=3\n",
          "client 1 subscribed to 2 variables: 2998 5\n",
          "client 1 subscribed to no variable numbers: 3000 -1\n"})
        EXPECT_TRUE(sim_->WaitFor(text)) << text << sim_->out;
}

TEST_F(LinkSimMonitor, AClosedPortCannotBeMonitored) {
    const ClosedPort closed;
    auto monitor = Monitor(closed.Port(), {"1"});
    EXPECT_EQ(monitor->Wait(), 1);
    EXPECT_NE(monitor->out.find("cannot connect"), std::string::npos) << monitor->out;
    EXPECT_EQ(dwtest::ReadFile(folder_.File("zekoclient.log")),
              "ERROR: Imposible conectar con el server 1.\n");
}

TEST_F(LinkSimMonitor, BadArgumentsOfTheLinkVerbsAndScenariosAreReported) {
    const std::string bad = Scenario("# demo\n101 constant 4\n102 wobble 1\n");
    const std::pair<Lines, std::string> rows[] = {
        {{"sim", "--port", "0", "--scenario", bad}, "scenario.txt:3: unknown generator: wobble"},
        {{"monitor", "localhost", "1"}, "usage: dwtool"},
        {{"monitor", "127.0.0.1:8090", "1", "--set", "x"}, "usage: dwtool"},
        {{"sim", "--rate", "0"}, "usage: dwtool"},
        {{"play"}, "usage: dwtool"},
        {{"play", "g.dwl", "--link2", "h:70000"}, "usage: dwtool"},
    };
    for (const auto& [args, text] : rows) {
        auto tool = Tool(args);
        EXPECT_EQ(tool->Wait(), text == "usage: dwtool" ? 2 : 1) << args[0] << args.size();
        EXPECT_NE(tool->out.find(text), std::string::npos) << tool->out;
    }
}

}  // namespace
}  // namespace linksim
