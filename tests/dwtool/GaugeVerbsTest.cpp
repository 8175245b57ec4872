// Runs the built dwtool (path in the environment variable DWTOOL): "resave" writes a gauge
// exactly as the program saves it, "info" lists what a gauge holds.
#include "DwtoolRun.h"
#include "runtime/GaugeSampleText.h"

namespace {

using dwtest::ReadFile;

class GaugeVerbs : public dwtooltest::DwtoolTest {
protected:
    // All four kinds with every attribute, as the program writes it.
    const std::string canonical = dwtest::SampleGaugeText();
};

TEST_F(GaugeVerbs, ResaveWritesTheFormatByteForByte) {
    dir.Write("in.dwl", canonical);
    EXPECT_EQ(Dwtool("resave in.dwl out.dwl"), 0) << out;  // the missing pictures are no error
    EXPECT_EQ(ReadFile(dir.File("out.dwl")), canonical);
}

TEST_F(GaugeVerbs, ResaveRefusesWhatItCannotReadOrWrite) {
    dir.Write("newer.dwl", "<gauge version=\"2.0.0.1\"><properties/></gauge>");
    dir.Write("in.dwl", canonical);
    const std::pair<const char*, const char*> rows[] = {
        {"resave newer.dwl out.dwl", "It's on 2.0.0.1 version"},
        {"resave in.dwl no-such-folder/out.dwl", "could not be saved"}};
    for (const auto& [arguments, message] : rows) {
        EXPECT_EQ(Dwtool(arguments), 1) << arguments;
        EXPECT_NE(out.find(message), std::string::npos) << out;
    }
    EXPECT_EQ(ReadFile(dir.File("out.dwl")), "");
}

TEST_F(GaugeVerbs, InfoListsPropertiesLinksAndElements) {
    dir.Write("in.dwl", canonical);
    ASSERT_EQ(Dwtool("info in.dwl"), 0) << out;
    // The missing pictures are told first.
    EXPECT_NE(out.find("\nname: \"Caf\xE9 & \"A\"\"\n"), std::string::npos) << out;
    EXPECT_NE(out.find("elements: 4\n1 graph \"Needle & <hub>\" (10,20)-(111,70) link offset 3 "
                       "server 1\n"),
              std::string::npos)
        << out;
}

}  // namespace
