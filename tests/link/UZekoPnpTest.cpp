// The plug-in wrapper and alias resolution, with the sample module built beside the tests.
#include <gtest/gtest.h>

#include <vector>

#include "PlugInTestSupport.h"
#include "link/AliasResolver.h"
#include "link/UZekoPnp.h"

namespace linktest {
namespace {

using dw::CUZekoPnp;
using dw::ServerLinkSettings;

class UZekoPnpTest : public ::testing::Test {
protected:
    dwtest::TempDir folder_;
};

TEST_F(UZekoPnpTest, MissingModuleIsAbsentAndCallsDoNothing) {
    CUZekoPnp pnp;
    EXPECT_FALSE(pnp.Load(folder_.File("uzekopnp.mod")));
    EXPECT_FALSE(pnp.IsLoaded());
    EXPECT_EQ(pnp.ModulePath(), folder_.File("uzekopnp.mod"));
    EXPECT_EQ(pnp.Count("X"), 0);
    EXPECT_EQ(pnp.Stop(), 0);
    std::string address = "keep";
    int port = 5;
    EXPECT_EQ(pnp.GetIpAndPortOf("X", address, port), 0);
    EXPECT_EQ(port, -1);
}

TEST_F(UZekoPnpTest, LibraryWithoutStartAndStopIsTreatedAsAbsent) {
    CUZekoPnp pnp;
    EXPECT_FALSE(pnp.Load("libm.so.6"));
    EXPECT_FALSE(pnp.IsLoaded());
}

TEST_F(UZekoPnpTest, ModuleIsFoundWithAllSixExports) {
    CUZekoPnp pnp;
    ASSERT_TRUE(pnp.Load(PlugInPath())) << PlugInPath();
    EXPECT_TRUE(pnp.CanResolve());
    EXPECT_TRUE(pnp.HasGetStatusOf());
    pnp.Unload();
    EXPECT_FALSE(pnp.IsLoaded());
    // An empty path loads the path remembered from before.
    EXPECT_TRUE(pnp.Load(""));
    EXPECT_EQ(pnp.ModulePath(), PlugInPath());
}

TEST_F(UZekoPnpTest, CallsPassTheirArgumentsThrough) {
    PlugInFiles files(folder_, "Sim 127.0.0.1 9000\n");
    CUZekoPnp pnp;
    ASSERT_TRUE(pnp.Load(PlugInPath()));
    pnp.Stop();
    pnp.Start(nullptr, "DW/1", "2.0", "my gauge");
    pnp.SetStatus("Connected and running");
    EXPECT_EQ(pnp.Count("Sim"), 1);
    std::string address;
    int port = 0;
    EXPECT_EQ(pnp.GetIpAndPortOf("Sim", address, port), 1);
    EXPECT_EQ(address, "127.0.0.1");
    EXPECT_EQ(port, 9000);
    EXPECT_EQ(files.Trace(),
              (std::vector<std::string>{
                  "Stop", "Start DW/1 2.0 my gauge 0 nowindow", "SetStatus Connected and running",
                  "Count ANY ANY Sim -1 -> 1", "GetIpAndPortOf ANY ANY Sim 1 -> 127.0.0.1 9000"}));
}

class AliasResolverTest : public UZekoPnpTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(pnp_.Load(PlugInPath()));
        pnp_.Stop();  // forget earlier counts
    }
    dw::WaitFunction Recorder() {
        return [this](int ms) { waits_.push_back(ms); };
    }
    CUZekoPnp pnp_;
    std::vector<int> waits_;
};

TEST_F(AliasResolverTest, KnownAliasIsResolvedAtOnce) {
    PlugInFiles files(folder_, "# servers\n\nFlightSimulator 127.0.0.5 8123\n");
    ServerLinkSettings link{"FlightSimulator", "255.255.255.255", 8090};
    EXPECT_TRUE(dw::ResolveAlias(pnp_, link, Recorder()));
    EXPECT_EQ(link.ip, "127.0.0.5");
    EXPECT_EQ(link.port, 8123);
    EXPECT_TRUE(waits_.empty());
}

TEST_F(AliasResolverTest, CountIsAskedAgainEverySecondUntilTheServerAppears) {
    PlugInFiles files(folder_, "MORV 127.0.0.9 8092 after 3\n");
    ServerLinkSettings link{"MORV", "255.255.255.255", 1};
    EXPECT_TRUE(dw::ResolveAlias(pnp_, link, Recorder()));
    EXPECT_EQ(waits_, (std::vector<int>{1000, 1000, 1000}));
    EXPECT_EQ(link.ip, "127.0.0.9");
    EXPECT_EQ(link.port, 8092);
}

TEST_F(AliasResolverTest, UnknownAliasGivesUpAfterThirtyCalls) {
    PlugInFiles files(folder_, "Other 127.0.0.1 1\nmorv 127.0.0.1 2\n");
    ServerLinkSettings link{"MORV", "255.255.255.255", 77};
    EXPECT_FALSE(dw::ResolveAlias(pnp_, link, Recorder()));
    EXPECT_EQ(waits_, std::vector<int>(29, 1000));
    EXPECT_EQ(files.Trace().size(), 30u);
    EXPECT_EQ(link, (ServerLinkSettings{"MORV", "255.255.255.255", 77}));
}

TEST_F(AliasResolverTest, NoModuleMeansNoResolution) {
    CUZekoPnp absent;
    ServerLinkSettings link{"MORV", "255.255.255.255", 77};
    EXPECT_FALSE(dw::ResolveAlias(absent, link, Recorder()));
    EXPECT_TRUE(waits_.empty());
}

}  // namespace
}  // namespace linktest
