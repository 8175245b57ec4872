// The gauge file's records: properties and links with the version rules, the common
// element attributes, the document skeletons and the safe file replacement.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "XmlCharModeGuard.h"
#include "files/AtomicFile.h"
#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "files/GaugeProperties.h"
#include "files/GaugeSkeleton.h"
#include "files/GaugeVersion.h"
#include "files/XmlNode.h"
#include "support/TempDir.h"

namespace {

using namespace dw;

XmlNode ParseRoot(const std::string& text) {
    XmlResults results;
    XmlNode root = ParseString(text, "gauge", &results);
    EXPECT_EQ(results.error, 0) << text;
    return root;
}

std::string GaugeWithProperties(const std::string& version, const std::string& attributes) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"" + version +
           "\">\n<properties " + attributes + "/>\n</gauge>\n";
}

GaugeProperties SampleProperties() {
    GaugeProperties p;
    p.name = "Panel <1> & \"two\"";
    p.fps = 25;
    p.window = {-8, 30, 1024, 768, true};
    p.backColor = 0x808080;
    p.runAtStart = true;
    p.aliasFile = "alias.txt";
    for (int i = 0; i < 16; ++i) p.customColors[i] = static_cast<Colour>(i * 0x010203);
    p.customColors[15] = 0xFFFFFFFFu;  // written as -1
    return p;
}

TEST(GaugeProperties, WrittenInFileOrder) {
    GaugeDocumentNodes doc = NewGaugeDocument();
    GaugeProperties p;
    p.name = "G";
    p.window = {1, 2, 3, 4, false};
    AddPropertiesNode(doc.root, p);
    AddLinkNode(doc.root, kLink1Node, {"FlightSimulator", "127.0.0.1", 8090});
    const std::string text = GaugeDocumentText(doc.declaration);
    std::string expected =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge xmlns=\"" +
        std::string(kGaugeSchemaAddress) +
        "\" version=\"2.0.0.0\">\n\t<properties name=\"G\" fps=\"10\" maximized=\"0\" "
        "pos_x=\"1\" pos_y=\"2\" pos_w=\"3\" pos_h=\"4\" backcolor=\"8421504\" "
        "runatstart=\"no\" aliasfile=\"\"";
    for (int i = 0; i < 16; ++i) expected += " customcolor_" + std::to_string(i) + "=\"0\"";
    expected +=
        "/>\n\t<zekolink_1 alias=\"FlightSimulator\" ip=\"127.0.0.1\" port=\"8090\"/>\n"
        "</gauge>\n";
    EXPECT_EQ(text, expected);
}

TEST(GaugeProperties, RoundTripOfTheCurrentVersion) {
    GaugeDocumentNodes doc = NewGaugeDocument();
    AddPropertiesNode(doc.root, SampleProperties());
    AddLinkNode(doc.root, kLink1Node, {"A", "10.0.0.1", 1});
    AddLinkNode(doc.root, kLink2Node, {"B", "host", 65535});
    const GaugeHeader header = ReadGaugeHeader(ParseRoot(GaugeDocumentText(doc.declaration)));
    EXPECT_EQ(header.version, "2.0.0.0");
    EXPECT_TRUE(header.hasWindow);
    EXPECT_TRUE(header.hasColoursAndAlias);
    EXPECT_EQ(header.properties, SampleProperties());
    ASSERT_TRUE(header.link1 && header.link2);
    EXPECT_EQ(header.link1->alias, "A");
    EXPECT_EQ(header.link1->ip, "10.0.0.1");
    EXPECT_EQ(header.link1->port, 1);
    EXPECT_EQ(header.link2->alias, "B");
    EXPECT_EQ(header.link2->port, 65535);
}

TEST(GaugeProperties, FramesPerSecondAreKeptInRange) {
    auto fps = [](const std::string& attribute) {
        return ReadGaugeHeader(ParseRoot(GaugeWithProperties("2.0.0.0", attribute))).properties.fps;
    };
    EXPECT_EQ(fps("fps=\"0\""), 10);
    EXPECT_EQ(fps("fps=\"\""), 10);
    EXPECT_EQ(fps(""), 10);
    EXPECT_EQ(fps("fps=\"-3\""), 10);
    EXPECT_EQ(fps("fps=\"1\""), 1);
    EXPECT_EQ(fps("fps=\"40\""), 40);
    EXPECT_EQ(fps("fps=\"55\""), 40);
}

TEST(GaugeProperties, OlderVersionsReadOnlyWhatTheyStored) {
    const std::string attributes =
        "name=\"Old\" runatstart=\"yes\" maximized=\"1\" pos_x=\"5\" pos_y=\"6\" pos_w=\"7\" "
        "pos_h=\"8\" aliasfile=\"mine.txt\" customcolor_3=\"99\" backcolor=\"255\"";
    const GaugeHeader v2 = ReadGaugeHeader(ParseRoot(GaugeWithProperties("1.0.0.2", attributes)));
    EXPECT_FALSE(v2.hasWindow);
    EXPECT_FALSE(v2.hasColoursAndAlias);
    EXPECT_EQ(v2.properties.window, WindowPlacement{});
    EXPECT_EQ(v2.properties.aliasFile, "");
    EXPECT_EQ(v2.properties.customColors[3], 0u);
    EXPECT_EQ(v2.properties.name, "Old");
    EXPECT_EQ(v2.properties.backColor, 255u);
    EXPECT_TRUE(v2.properties.runAtStart);

    const GaugeHeader v3 = ReadGaugeHeader(ParseRoot(GaugeWithProperties("1.0.0.3", attributes)));
    EXPECT_TRUE(v3.hasWindow);
    EXPECT_FALSE(v3.hasColoursAndAlias);
    EXPECT_EQ(v3.properties.window, (WindowPlacement{5, 6, 7, 8, true}));
    EXPECT_EQ(v3.properties.aliasFile, "");

    const GaugeHeader v4 = ReadGaugeHeader(ParseRoot(GaugeWithProperties("1.0.0.4", attributes)));
    EXPECT_TRUE(v4.hasColoursAndAlias);
    EXPECT_EQ(v4.properties.aliasFile, "mine.txt");
    EXPECT_EQ(v4.properties.customColors[3], 99u);

    // "10.0.0.0" sorts below "2.0.0.0" and is read as an old version with everything.
    const GaugeHeader v10 = ReadGaugeHeader(ParseRoot(GaugeWithProperties("10.0.0.0", attributes)));
    EXPECT_TRUE(v10.hasColoursAndAlias);
    EXPECT_FALSE(IsNewerFormat(v10.version));
}

TEST(GaugeProperties, FlagsAndMissingParts) {
    const GaugeHeader header = ReadGaugeHeader(
        ParseRoot(GaugeWithProperties("2.0.0.0", "RunAtStart=\"Yes\" MAXIMIZED=\"2\"")));
    EXPECT_FALSE(header.properties.runAtStart);        // only exactly "yes"
    EXPECT_FALSE(header.properties.window.maximized);  // only "1"
    EXPECT_EQ(header.properties.backColor, 0u);        // missing reads as 0
    EXPECT_FALSE(header.link1.has_value());
    EXPECT_FALSE(header.link2.has_value());

    // Names are matched ignoring case; a link node without attributes is empty.
    const GaugeHeader links =
        ReadGaugeHeader(ParseRoot("<gauge version=\"2.0.0.0\"><ZEKOLINK_2 ALIAS=\"X\" "
                                  "Port=\"12abc\"/><zekolink_1/></gauge>"));
    ASSERT_TRUE(links.link1 && links.link2);
    EXPECT_EQ(links.link1->alias, "");
    EXPECT_EQ(links.link1->port, 0);
    EXPECT_EQ(links.link2->alias, "X");
    EXPECT_EQ(links.link2->port, 12);
    EXPECT_EQ(links.version, "2.0.0.0");
    EXPECT_EQ(ReadGaugeHeader(ParseRoot("<gauge/>")).version, "");
}

TEST(GaugeElementXml, ProgramsLiveInCdataAndEndWithCrLf) {
    XmlNode element = CreateTopNode("element", false);
    AddProgramChild(element, kMainProgramChild, "if value < 3 && x > 2\r\n");
    AddProgramChild(element, kClickProgramChild, "set 1");
    const std::string text = CreateString(element, true);
    EXPECT_EQ(text,
              "<element>\n\t<program>\n\t\t<![CDATA[if value < 3 && x > 2\r\n]]>\n\t</program>\n"
              "\t<program_lbup>\n\t\t<![CDATA[set 1]]>\n\t</program_lbup>\n</element>\n");
    XmlNode read = ParseString(text, "element", nullptr);
    EXPECT_EQ(ReadProgramChild(read, kMainProgramChild), "if value < 3 && x > 2\r\n");
    EXPECT_EQ(ReadProgramChild(read, kClickProgramChild), "set 1\r\n");
    EXPECT_EQ(ReadProgramChild(read, "missing"), "\r\n");
    EXPECT_EQ(ReadProgramChild(ParseString("<element><program/></element>", nullptr, nullptr),
                               kMainProgramChild),
              "\r\n");
}

TEST(GaugeElementXml, ProgramsHoldingTheCdataEndSurviveAsSeveralSections) {
    for (const std::string program : {"a]]>b\r\n", "]]>", "x]]]>y]]>]]>\r\n", "]]]]>>", "end]]"}) {
        XmlNode element = CreateTopNode("element", false);
        AddProgramChild(element, kMainProgramChild, program);
        const std::string text = CreateString(element, true);
        XmlResults results;
        const XmlNode read = ParseString(text, "element", &results);
        ASSERT_EQ(results.error, 0) << text;
        EXPECT_EQ(ReadProgramChild(read, kMainProgramChild), EnsureCrLf(program)) << text;
    }
    // Only CDATA sections that follow a first CDATA section are joined.
    const XmlNode comment = ParseString(
        "<element><program><!--note--><![CDATA[body]]></program></element>", nullptr, nullptr);
    EXPECT_EQ(ReadProgramChild(comment, kMainProgramChild), "note\r\n");
}

TEST(GaugeElementXml, RightIsLeftPlusTheEvenPartOfTheWidth) {
    XmlNode element = CreateTopNode("element", false);
    AddGeometryAttributes(element, 10, 20, 111, 101, 50);
    EXPECT_EQ(element.Attribute("left"), "10");
    EXPECT_EQ(element.Attribute("top"), "20");
    EXPECT_EQ(element.Attribute("right"), "110");
    EXPECT_EQ(element.Attribute("width"), "101");
    EXPECT_EQ(element.Attribute("height"), "50");
    ASSERT_EQ(element.AttributeCount(), 5);
    EXPECT_EQ(element.Attributes()[2].name, "right");

    XmlNode negative = CreateTopNode("element", false);
    AddGeometryAttributes(negative, 10, 0, 5, 0, 0);  // (5 - 10) / 2 truncates to -2
    EXPECT_EQ(negative.Attribute("right"), "6");

    const ElementGeometry g = ReadElementGeometry(element);
    EXPECT_EQ(g.left, 10);
    EXPECT_EQ(g.top, 20);
    EXPECT_EQ(g.width, 101);
    EXPECT_EQ(g.height, 50);
}

TEST(GaugeElementXml, GeometryBounds) {
    GaugeLimits limits;
    EXPECT_TRUE(IsLoadableGeometry({0, 0, 0, 0}, limits));
    EXPECT_TRUE(IsLoadableGeometry({-100, 5, 200, 300}, limits));
    EXPECT_FALSE(IsLoadableGeometry({0, 0, -1, 10}, limits));
    EXPECT_FALSE(IsLoadableGeometry({0, 0, 10, -1}, limits));
    EXPECT_FALSE(IsLoadableGeometry({0, 0, limits.maxElementSide + 1, 1}, limits));
    EXPECT_FALSE(IsLoadableGeometry({0, 0, 8192, 8192}, limits));  // over the pixel limit
    EXPECT_FALSE(IsLoadableGeometry({limits.maxCoordinate + 1, 0, 1, 1}, limits));
    EXPECT_FALSE(IsLoadableGeometry({0, -2147483647 - 1, 1, 1}, limits));
}

TEST(GaugeSkeleton, DocumentsStartWithTheFragmentPrefix) {
    GaugeDocumentNodes doc = NewGaugeDocument();
    AddFragmentProperties(doc.root, "Source");
    const std::string text = GaugeDocumentText(doc.declaration);
    EXPECT_EQ(kGaugeTextPrefix.size(), 51u);
    EXPECT_TRUE(IsGaugeFragmentText(text));
    EXPECT_EQ(text, std::string(kGaugeTextPrefix) + "xmlns=\"" + kGaugeSchemaAddress +
                        "\" version=\"2.0.0.0\">\n\t<properties copyfromgauge=\"Source\"/>\n"
                        "</gauge>\n");
    EXPECT_FALSE(IsGaugeFragmentText(text.substr(0, 50)));
    EXPECT_FALSE(IsGaugeFragmentText("\xEF\xBB\xBF" + text));
    EXPECT_FALSE(
        IsGaugeFragmentText("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<gauge x=\"\"/>"));
    EXPECT_FALSE(IsGaugeFragmentText("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauges/>"));
}

TEST(GaugeSkeleton, FileBytesCarryTheByteOrderMarkOnlyInUtf8Mode) {
    GaugeDocumentNodes doc = NewGaugeDocument();
    {
        dwtest::CharModeGuard mode(CharMode::Utf8);
        EXPECT_EQ(GaugeFileBytes(doc.declaration),
                  "\xEF\xBB\xBF" + GaugeDocumentText(doc.declaration));
    }
    {
        dwtest::CharModeGuard mode(CharMode::SingleByte);
        EXPECT_EQ(GaugeFileBytes(doc.declaration), GaugeDocumentText(doc.declaration));
    }
}

TEST(AtomicFile, ReplacesTheFileAndKeepsItsPermissions) {
    dwtest::TempDir dir;
    const std::string path = dir.Write("g.dwl", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const AtomicWriteResult result = WriteFileAtomically(path, "new content");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(dwtest::ReadFile(path), "new content");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // Nothing is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(AtomicFile, CreatesANewFileAndFollowsLinks) {
    dwtest::TempDir dir;
    const std::string fresh = dir.File("fresh.dwl");
    ASSERT_TRUE(WriteFileAtomically(fresh, std::string("a\0b", 3)).ok);
    EXPECT_EQ(dwtest::ReadFile(fresh), std::string("a\0b", 3));

    const std::string target = dir.Write("target.dwl", "before");
    const std::string link = dir.File("link.dwl");
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(WriteFileAtomically(link, "after").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(dwtest::ReadFile(target), "after");
}

TEST(AtomicFile, AFailedWriteLeavesTheOldFile) {
    dwtest::TempDir dir;
    const AtomicWriteResult missingFolder = WriteFileAtomically(dir.File("no/such/g.dwl"), "x");
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_FALSE(missingFolder.error.empty());

    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(WriteFileAtomically(folder, "x").ok);  // a folder is never replaced
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    if (::geteuid() != 0) {  // root may write anywhere
        const std::string locked = dir.File("locked");
        std::filesystem::create_directory(locked);
        const std::string path = dir.Write("locked/g.dwl", "keep");
        ::chmod(locked.c_str(), 0500);
        EXPECT_FALSE(WriteFileAtomically(path, "lost").ok);
        ::chmod(locked.c_str(), 0700);
        EXPECT_EQ(dwtest::ReadFile(path), "keep");
    }
    EXPECT_FALSE(WriteFileAtomically("", "x").ok);
}

}  // namespace
