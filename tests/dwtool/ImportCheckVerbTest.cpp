// Runs the built dwtool (path in the environment variable DWTOOL): "import-fs" turns an MS-FS
// XML gauge into a gauge whose bitmaps are stored relative to it and reports what it left
// out; "check" reports a gauge's problems one per line and stays silent on a good one.
#include <filesystem>

#include "DwtoolRun.h"
#include "support/FsGaugeText.h"

namespace {

using dwtest::BmpBytes;
using dwtest::FsElement;
using dwtest::ReadFile;

class ImportCheckVerbs : public dwtooltest::DwtoolTest {
protected:
    void SetUp() override {
        // The user's settings as dwtool reads them: one image search folder.
        dir.Write("config/ZEKO/dialwright.ini",
                  "[Paths]\nTotal=1\nPath_1=" + dir.File("pics") + "\n");
    }
};

// A grey dial as the background, a text element that is left out and an element whose
// bitmap is missing: the report lists both, and check finds the missing bitmap again.
TEST_F(ImportCheckVerbs, ImportFsStoresTheArtRelativeToTheNewGaugeAndReportsWhatIsMissing) {
    dir.Write("fs/Art/DIAL.bmp", BmpBytes(40, 40, 0x808080));
    const std::string body =
        "<FloatPosition>0.000,0.000</FloatPosition><Size>40,40</Size>"
        "<Image Name=\"Dial.bmp\"/>\n<Element id=\"Label\"><FloatPosition>0,0</FloatPosition>"
        "<GaugeText/></Element>" +
        FsElement("30,30", "gone.bmp");
    dir.Write("fs/ASI.xml", "\xEF\xBB\xBF" + dwtest::FsGaugeXml("%inetroot%\\panel\\art", body));

    EXPECT_EQ(Dwtool("import-fs fs/ASI.xml out/asi.dwl"), 1);  // no such folder yet
    EXPECT_EQ(out, "dwtool import-fs: the folder of 'out/asi.dwl' does not exist\n");
    std::filesystem::create_directories(dir.Path() / "out");
    ASSERT_EQ(Dwtool("import-fs fs/ASI.xml out/asi.dwl"), 0) << out;
    for (const char* line :
         {"imported 2 image element(s) of gauge \"Test Gauge\" into out/asi.dwl\n",
          "left out:\n  element 1 \"Label\": GaugeText left out\n",
          "bitmaps not found:\n  element 2: bitmap gone.bmp not found",
          "  background: Dial.bmp at (0,0)-(40,40)\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line << "\nin:\n" << out;
    const std::string gauge = ReadFile(dir.File("out/asi.dwl"));
    EXPECT_NE(gauge.find("file=\"../fs/art/dial.bmp\""), std::string::npos) << gauge;

    EXPECT_EQ(Dwtool("check out/asi.dwl"), 1);
    EXPECT_EQ(out.find("out/asi.dwl: element 2 \"Background\": image file \"../fs/gone.bmp\" "
                       "not found in "),
              0u)
        << out;
}

TEST_F(ImportCheckVerbs, CheckListsEveryProblemAndIsSilentOnAGoodGauge) {
    dir.Write("pics/dial.bmp", BmpBytes(4, 4, 0));
    const std::string head =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"2.0.0.0\">\n"
        "<properties name=\"g\" pos_w=\"300\" pos_h=\"200\"/>\n";
    const std::string good =
        head +
        "<element type=\"graph\" name=\"Dial\" file=\"img/dial.bmp\" left=\"0\" top=\"0\" "
        "width=\"4\" height=\"4\"><program><![CDATA[link offset 3 server 1\r\ndata = value\r\n"
        "rotate\r\n]]></program></element>\n</gauge>\n";
    std::string broken = good;
    broken.replace(broken.find("rotate"), 6, "rotat");
    dir.Write("good.dwl", good);
    dir.Write("broken.dwl", broken);

    EXPECT_EQ(Dwtool("check good.dwl"), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Dwtool("check good.dwl broken.dwl"), 1);
    EXPECT_EQ(out.substr(0, out.find('\n') + 1),
              "broken.dwl: element 1 \"Dial\": Sintax error at line 3 on the script:\n");
}

TEST_F(ImportCheckVerbs, UsageErrorsAndRefusedSources) {
    for (const char* arguments : {"import-fs a.xml", "import-fs a.xml b.dwl c", "check --all"})
        EXPECT_EQ(Dwtool(arguments), 2) << arguments;
    dir.Write("v.xml", dwtest::FsGaugeXml("art", "", "1.0"));
    const std::pair<const char*, const char*> refused[] = {
        {"import-fs v.xml v.dwl", "It's on 1.0 version and, must be on 1,0 version"},
        {"import-fs none.xml n.dwl", "Error: File not found"},
        {"check none.dwl", "none.dwl: XML Parsing error inside file"}};
    for (const auto& [arguments, message] : refused) {
        EXPECT_EQ(Dwtool(arguments), 1) << arguments;
        EXPECT_NE(out.find(message), std::string::npos) << out;
    }
    EXPECT_EQ(ReadFile(dir.File("v.dwl")), "");
}

}  // namespace
