// Runs the built dwtool (path in the environment variable DWTOOL): "resave" writes a gauge
// exactly as the program saves it, "info" lists what a gauge holds.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/TempDir.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class GaugeVerbs : public testing::Test {
protected:
    ToolRun Dwtool(const std::string& arguments) {
        ToolRun run;
        const char* tool = std::getenv("DWTOOL");
        if (!tool || !*tool) {
            ADD_FAILURE() << "DWTOOL is not set to the dwtool program";
            return run;
        }
        const std::string command = "cd '" + dir.Path().string() + "' && '" + tool + "' " +
                                    arguments + " >'" + dir.File("out.txt") + "' 2>'" +
                                    dir.File("err.txt") + "'";
        const int status = std::system(command.c_str());
        if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
        run.out = dwtest::ReadFile(dir.File("out.txt"));
        run.err = dwtest::ReadFile(dir.File("err.txt"));
        return run;
    }

    dwtest::TempDir dir;
};

std::string Program(const char* child, const std::string& program) {
    return std::string("\t\t<") + child + ">\n\t\t\t<![CDATA[" + program + "]]>\n\t\t</" + child +
           ">\n";
}

// A gauge with elements of all four kinds and every attribute, as the program writes it.
std::string CanonicalGauge() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n"
        "<gauge xmlns=\"http://dialwright.example/schema/gauge\" version=\"2.0.0.0\">\n"
        "\t<properties name=\"Caf\xE9 &amp; bar\" fps=\"25\" maximized=\"1\" pos_x=\"-8\" "
        "pos_y=\"12\" pos_w=\"1024\" pos_h=\"768\" backcolor=\"8421504\" runatstart=\"yes\" "
        "aliasfile=\"alias.txt\"";
    for (int i = 0; i < 16; ++i)
        text += " customcolor_" + std::to_string(i) + "=\"" + std::to_string(i * 1000 - 1) + "\"";
    text +=
        "/>\n"
        "\t<zekolink_1 alias=\"FlightSimulator\" ip=\"127.0.0.1\" port=\"8090\"/>\n"
        "\t<zekolink_2 alias=\"MORV\" ip=\"192.0.2.1\" port=\"8092\"/>\n"
        "\t<element type=\"graph\" name=\"Needle\" file=\"img\\needle.png\" locked=\"yes\" "
        "left=\"10\" top=\"20\" right=\"110\" width=\"101\" height=\"50\" rot=\"12.000000\" "
        "btr=\"yes\" ntr=\"16711935\" col1=\"255\" col2=\"65280\">\n" +
        Program("program", "link offset 3 server 1\r\nrotate value\r\n") +
        Program("program_lbup", "set 1 = 1\r\n") +
        "\t</element>\n"
        "\t<element type=\"text\" name=\"Alt &lt;ft&gt;\" locked=\"no\" left=\"-5\" top=\"7\" "
        "right=\"95\" width=\"100\" height=\"40\" rot=\"-90.000000\" bordercolor=\"12845056\" "
        "borderwith=\"4\" literal=\"FL\\n350 &quot;ft&quot; &apos;x&apos;\" btr=\"no\" "
        "ntr=\"8421504\" col1=\"1\" col2=\"2\">\n"
        "\t\t<fontdesc face=\"Courier New\" position=\"5\" style=\"7\" width=\"8\" "
        "height=\"-20\" weight=\"700\" color=\"65535\" colorf=\"-1\"/>\n" +
        Program("program", "None\r\n") +
        "\t</element>\n"
        "\t<element type=\"primitive\" name=\"\" subtype=\"Scale\" style=\"4\" locked=\"yes\" "
        "left=\"0\" top=\"0\" right=\"200\" width=\"200\" height=\"150\" rot=\"45.000000\" "
        "btr=\"yes\" ntr=\"0\" col1=\"1193046\" col2=\"1193046\" ang1=\"270.000000\" "
        "ang2=\"90.500000\" angpct=\"33.250000\" bordercolor=\"65280\" borderwith=\"3\" "
        "witharc=\"yes\" startmark=\"-0.125000\" endmark=\"0.250000\" color=\"255\" "
        "colorf=\"16711680\">\n" +
        Program("program", "link offset 700 server 2\r\n") +
        "\t</element>\n"
        "\t<element type=\"audio\" name=\"Stall horn\" file=\"sounds\\horn.wav\" locked=\"no\" "
        "left=\"10\" top=\"10\" right=\"48\" width=\"38\" height=\"38\" rot=\"0.000000\" "
        "btr=\"no\" ntr=\"7\" col1=\"11\" col2=\"12\">\n" +
        Program("program", "if value > 3\r\nplay loop\r\nendif\r\n") +
        "\t</element>\n"
        "</gauge>\n";
    return text;
}

TEST_F(GaugeVerbs, ResaveWritesTheFormatByteForByte) {
    dir.Write("in.dwl", CanonicalGauge());
    const ToolRun run = Dwtool("resave in.dwl out.dwl");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The picture is missing: the question is printed (and answered No), the file is kept.
    EXPECT_NE(run.err.find("Could not find the file [needle.png] at path [img]"), std::string::npos)
        << run.err;
    EXPECT_EQ(dwtest::ReadFile(dir.File("out.dwl")), CanonicalGauge());
}

TEST_F(GaugeVerbs, ResaveBringsAnyLayoutToTheFormattedForm) {
    // Windows line ends, single quotes, odd spacing, names in capitals and no indentation:
    // what the program reads, it writes back in its own form.
    std::string messy;
    const std::string canonical = CanonicalGauge();
    for (std::size_t i = 0; i < canonical.size(); ++i) {
        if (canonical[i] == '\t') continue;
        if (canonical[i] == '\n' && i > 0 && canonical[i - 1] == '>') messy += '\r';
        messy += canonical[i];
    }
    auto replace = [&messy](const std::string& from, const std::string& to) {
        const std::size_t at = messy.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        messy.replace(at, from.size(), to);
    };
    replace("<properties name=", "<PROPERTIES   NAME=");
    replace("fps=\"25\"", "fps = '25'");
    replace("<zekolink_2 alias", "<ZekoLink_2\r\n   Alias");
    replace("type=\"audio\"", "TYPE='audio'");
    replace("</gauge>", "</GAUGE>");
    dir.Write("messy.dwl", messy);
    const ToolRun run = Dwtool("resave messy.dwl clean.dwl");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(dwtest::ReadFile(dir.File("clean.dwl")), canonical);
}

TEST_F(GaugeVerbs, AResavedGaugeReadsBackToAnEqualDocument) {
    dir.Write("in.dwl", CanonicalGauge());
    ASSERT_EQ(Dwtool("resave in.dwl once.dwl").exitCode, 0);
    ASSERT_EQ(Dwtool("resave once.dwl twice.dwl").exitCode, 0);
    EXPECT_EQ(dwtest::ReadFile(dir.File("twice.dwl")), dwtest::ReadFile(dir.File("once.dwl")));
    const ToolRun original = Dwtool("info in.dwl");
    const ToolRun resaved = Dwtool("info twice.dwl");
    EXPECT_EQ(original.exitCode, 0);
    EXPECT_EQ(resaved.out, original.out);
}

TEST_F(GaugeVerbs, ResaveRefusesNewerVersionsAndBrokenFiles) {
    std::string newer = CanonicalGauge();
    newer.replace(newer.find("version=\"2.0.0.0\""), 17, "version=\"2.0.0.1\"");
    dir.Write("newer.dwl", newer);
    ToolRun run = Dwtool("resave newer.dwl out.dwl");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Invalid file format."), std::string::npos);
    EXPECT_NE(run.err.find("It's on 2.0.0.1 version"), std::string::npos);
    EXPECT_EQ(dwtest::ReadFile(dir.File("out.dwl")), "");

    dir.Write("broken.dwl", CanonicalGauge().substr(0, 700));
    run = Dwtool("resave broken.dwl out.dwl");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("XML Parsing error"), std::string::npos);

    run = Dwtool("resave missing.dwl out.dwl");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Dwtool("resave only-one.dwl").exitCode, 2);
}

TEST_F(GaugeVerbs, ResaveReportsAnOutputThatCannotBeWritten) {
    dir.Write("in.dwl", CanonicalGauge());
    const ToolRun run = Dwtool("resave in.dwl no-such-folder/out.dwl");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("could not be saved"), std::string::npos);
}

TEST_F(GaugeVerbs, InfoListsPropertiesLinksAndElements) {
    dir.Write("in.dwl", CanonicalGauge());
    const ToolRun run = Dwtool("info in.dwl");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("name: \"Caf\xE9 & bar\"\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("fps: 25\n"), std::string::npos);
    EXPECT_NE(run.out.find("runatstart: yes\n"), std::string::npos);
    EXPECT_NE(run.out.find("window: -8 12 1024x768 maximized\n"), std::string::npos);
    EXPECT_NE(run.out.find("zekolink_2: \"MORV\" 192.0.2.1:8092\n"), std::string::npos);
    EXPECT_NE(run.out.find("elements: 4\n"
                           "1 graph \"Needle\" (10,20)-(111,70) link offset 3 server 1\n"
                           "2 text \"Alt <ft>\" (-5,7)-(95,47) link none\n"
                           "3 primitive \"\" (0,0)-(200,150) link offset 700 server 2\n"
                           "4 audio \"Stall horn\" (10,10)-(48,48) link none\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Dwtool("info").exitCode, 2);
}

}  // namespace
