// The alias file's lines and the two conversions of program texts (loading the file and
// converting an element's programs are checked through the editor's commands).
#include <gtest/gtest.h>

#include "script/AliasTable.h"

namespace {

using namespace dw;

const ServerAliases kServers{"FlightSimulator", "MORV"};

TEST(AliasTable, ReadsTwoWordLinesWithALeadingIntegerUpToThreeThousand) {
    AliasTable table;
    table.LoadText(
        "3000 ALTITUDE feet above sea level\nALTITUDE\nx ALT\n  12abc  SPEED\r\n\n-5 NEG\n");
    EXPECT_EQ(table.Entries(), (std::vector<AliasEntry>{
                                   {3000, "ALTITUDE"}, {0, "ALT"}, {12, "SPEED"}, {-5, "NEG"}}));
    std::string many;
    for (int i = 0; i < 3100; ++i) many += std::to_string(i) + " N" + std::to_string(i) + "\n";
    table.LoadText(many);
    EXPECT_EQ(table.Count(), AliasTable::kMaxEntries);
    EXPECT_EQ(table.Entries().back().name, "N2999");
    EXPECT_EQ(LeadingInteger("99999999999"), 2147483647);
    EXPECT_EQ(LeadingInteger("-99999999999"), -2147483647 - 1);
}

TEST(AliasTable, ConversionsNeedTheBlankAfterANameAndTheLastEntryWins) {
    AliasTable table;
    table.LoadText("3000 ALTITUDE\n3000 ALT2\n700 FUEL\n701 FUEL\n");
    // Names to numbers: a shared name takes the last entry's number.
    EXPECT_EQ(table.NamesToNumbers("link offset FUEL server FlightSimulator\n", kServers),
              "link offset 701 server 1\n");
    EXPECT_EQ(table.NamesToNumbers("link offset ALTITUDE server MORV", kServers),
              "link offset 3000 server 2");
    // No blank after the name: kept.
    EXPECT_EQ(table.NamesToNumbers("offset ALTITUDE", kServers), "offset ALTITUDE");
    // Numbers to names: a shared number shows the last entry's name.
    EXPECT_EQ(table.NumbersToNames("link offset 3000 server 1\nif value > 3000 \n", kServers),
              "link offset ALT2 server FlightSimulator\nif value > 3000 \n");
    // Without a table only the server aliases change.
    AliasTable empty;
    EXPECT_EQ(empty.NamesToNumbers("link offset ALTITUDE server MORV ", kServers),
              "link offset ALTITUDE server 2 ");
    // An empty alias never matches every "server ".
    EXPECT_EQ(empty.NamesToNumbers("server 2", {"", ""}), "server 2");
}

}  // namespace
