// Runs the built dwtool (path in the environment variable DWTOOL) on XML files.
#include "DwtoolRun.h"

namespace {

using dwtooltest::ToolRun;

class DwtoolXml : public dwtooltest::DwtoolTest {
protected:
    std::string Quoted(const std::string& path) { return "'" + path + "'"; }
};

const std::string kGauge =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
    "<gauge version=\"2.0.0.0\"><properties name=\"Caf\xE9\"   fps='20'/>\r\n"
    "  <element type=\"text\"><program><![CDATA[print value\r\n]]></program></element>"
    "</gauge>\r\n";

TEST_F(DwtoolXml, PrintsTheWholeDocumentFormatted) {
    const ToolRun run = Run("xml " + Quoted(dir.Write("g.dwl", kGauge)));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n"
              "<gauge version=\"2.0.0.0\">\n"
              "\t<properties name=\"Caf\xE9\" fps=\"20\"/>\n"
              "\t<element type=\"text\">\n"
              "\t\t<program>\n"
              "\t\t\t<![CDATA[print value\r\n]]>\n"
              "\t\t</program>\n"
              "\t</element>\n"
              "</gauge>\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(DwtoolXml, ParseErrorGoesToStderrWithExitCode1) {
    const std::string path = dir.Write("bad.dwl", "<gauge>\n  <element></gauge>\n");
    const ToolRun run = Run("xml " + Quoted(path));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "XML Parsing error: XML Parsing error inside file '" + path +
                           "'.\nWarning: Unmatched end tag\nAt line 2, column 12.\n");
}

TEST_F(DwtoolXml, AMillionLevelsAreRefusedWithTheirError) {
    std::string deep;
    for (int i = 0; i < 1000000; ++i) deep += "<a>";
    const std::string path = dir.Write("deep.xml", deep);
    const ToolRun run = Run("xml " + Quoted(path));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Error: Elements nested too deeply\nAt line 1, column 769.\n"),
              std::string::npos)
        << run.err;
}

TEST_F(DwtoolXml, WrongRootMissingFileAndBadArguments) {
    const ToolRun run =
        Run("xml " + Quoted(dir.Write("other.xml", "<panel/>\n")) + " --root gauge");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("First Tag should be 'gauge'.\n"), std::string::npos) << run.err;
    EXPECT_EQ(Run("xml " + Quoted(dir.File("none.dwl"))).exitCode, 1);
    for (const char* bad : {"xml", "xml a.dwl --root", "xml a.dwl b.dwl"})
        EXPECT_EQ(Run(bad).exitCode, 2) << bad;
}

}  // namespace
