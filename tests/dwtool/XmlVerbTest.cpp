// Runs the built dwtool (path in the environment variable DWTOOL) on XML files.
#include "DwtoolRun.h"

namespace {

class DwtoolXml : public dwtooltest::DwtoolTest {
protected:
    std::string Quoted(const std::string& path) { return "'" + path + "'"; }
};

const std::string kGauge =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
    "<gauge version=\"2.0.0.0\"><properties name=\"Caf\xE9\"   fps='20'/>\r\n"
    "  <element type=\"text\"><program><![CDATA[print value\r\n]]></program></element>"
    "</gauge>\r\n";

TEST_F(DwtoolXml, PrintsTheDocumentFormatted) {
    EXPECT_EQ(Dwtool("xml " + Quoted(dir.Write("g.dwl", kGauge))), 0) << out;
    EXPECT_EQ(out.substr(0, out.find("\t<element")),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"2.0.0.0\">\n"
              "\t<properties name=\"Caf\xE9\" fps=\"20\"/>\n");
}

TEST_F(DwtoolXml, ParseErrorGoesToStderrWithExitCode1) {
    const std::string path = dir.Write("bad.dwl", "<gauge>\n  <element></gauge>\n");
    EXPECT_EQ(Dwtool("xml " + Quoted(path)), 1);
    EXPECT_EQ(out, "XML Parsing error: XML Parsing error inside file '" + path +
                       "'.\nWarning: Unmatched end tag\nAt line 2, column 12.\n");
}

TEST_F(DwtoolXml, AMillionLevelsAreRefusedWithTheirError) {
    std::string deep;
    for (int i = 0; i < 1000000; ++i) deep += "<a>";
    const std::string path = dir.Write("deep.xml", deep);
    EXPECT_EQ(Dwtool("xml " + Quoted(path)), 1);
    EXPECT_NE(out.find("Error: Elements nested too deeply\nAt line 1, column 769.\n"),
              std::string::npos)
        << out;
}

TEST_F(DwtoolXml, WrongRootMissingFileAndBadArguments) {
    EXPECT_EQ(Dwtool("xml " + Quoted(dir.Write("other.xml", "<panel/>\n")) + " --root gauge"), 1);
    EXPECT_NE(out.find("First Tag should be 'gauge'.\n"), std::string::npos) << out;
    EXPECT_EQ(Dwtool("xml " + Quoted(dir.File("none.dwl"))), 1);
    for (const char* bad : {"xml", "xml a.dwl --root", "xml a.dwl b.dwl"})
        EXPECT_EQ(Dwtool(bad), 2) << bad;
}

}  // namespace
