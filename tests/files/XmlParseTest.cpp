// Parsing well-formed input: structure, entities, clear sections, round trips, hostile sizes.
#include <gtest/gtest.h>

#include <string>

#include "XmlCharModeGuard.h"
#include "files/XmlNode.h"

namespace {

using dw::CreateString;
using dw::ParseString;
using dw::XmlContent;
using dw::XmlNode;
using dw::XmlResults;

class XmlParse : public testing::Test {
protected:
    XmlNode Parse(std::string_view text, const char* tag = nullptr) {
        XmlNode node = ParseString(text, tag, &results);
        EXPECT_EQ(results.error, 0)
            << dw::ErrorText(results.error) << " at " << results.line << ":" << results.column;
        return node;
    }
    dwtest::CharModeGuard mode{dw::CharMode::Utf8};
    XmlResults results;
};

TEST_F(XmlParse, DeclarationHoldsTheRootElement) {
    const XmlNode top = Parse(
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"2.0.0.0\">\n"
        "<element type=\"graph\"/></gauge>");
    EXPECT_TRUE(top.IsDeclaration());
    EXPECT_EQ(top.Name(), "xml");
    EXPECT_EQ(top.Attribute("encoding"), "iso-8859-1");
    const XmlNode gauge = top.GetChildNode("gauge");
    EXPECT_EQ(gauge.Attribute("version"), "2.0.0.0");
    EXPECT_EQ(gauge.ChildCount("element"), 1);
}

TEST_F(XmlParse, RequiredTagReturnsThatElementIgnoringCase) {
    const XmlNode gauge =
        Parse("<?xml version=\"1.0\"?><!-- saved --><GAUGE name=\"x\"><a/></GAUGE>", "gauge");
    EXPECT_FALSE(gauge.IsDeclaration());
    EXPECT_EQ(gauge.Name(), "GAUGE");
    EXPECT_EQ(gauge.GetAttribute("Name"), std::optional<std::string>("x"));
}

TEST_F(XmlParse, SeveralTopLevelEntriesComeInANamelessNode) {
    const XmlNode top = Parse("<!-- note --><a/><b/>");
    EXPECT_EQ(top.Name(), "");
    EXPECT_EQ(top.ClearCount(), 1);
    EXPECT_EQ(top.ChildCount(), 2);
    EXPECT_EQ(CreateString(top, true), "<!-- note -->\n<a/>\n<b/>\n");
}

TEST_F(XmlParse, FormattedOutputKeepsInputOrder) {
    const std::string formatted =
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n"
        "<!DOCTYPE gauge>\n"
        "<gauge z=\"1\" a=\"2\" m bare=\"\">\n"
        "\tfirst text\n"
        "\t<![CDATA[if value < 3\r\n]]>\n"
        "\t<element type=\"text\" literal=\"a\\nb\"/>\n"
        "\tsecond text\n"
        "\t<!-- comment -->\n"
        "\t<PRE>  pre <b> </PRE>\n"
        "\t<Script>(A:X,number) 1 +</Script>\n"
        "\t<program>\n"
        "\t\t<![CDATA[]]>\n"
        "\t</program>\n"
        "</gauge>\n";
    const XmlNode top = Parse(formatted);
    EXPECT_EQ(CreateString(top, true), formatted);
    const XmlNode gauge = top.GetChildNode("gauge");
    ASSERT_EQ(gauge.ContentCount(), 8);
    EXPECT_EQ(gauge.ContentAt(0).kind, XmlContent::Kind::Text);
    EXPECT_EQ(gauge.ContentAt(1).kind, XmlContent::Kind::Clear);
    EXPECT_EQ(gauge.ContentAt(2).kind, XmlContent::Kind::Element);
    EXPECT_EQ(gauge.GetClear(2).value, "  pre <b> ");
    EXPECT_EQ(gauge.GetClear(2).openMark, "<PRE>");
    EXPECT_EQ(gauge.GetClear(3).closeMark, "</Script>");
    EXPECT_FALSE(gauge.GetAttribute("m").has_value());
    EXPECT_EQ(gauge.GetAttribute("bare"), std::optional<std::string>(""));
    EXPECT_EQ(top.GetClear(0).value, " gauge");
}

TEST_F(XmlParse, CompactOutputRoundTrips) {
    const std::string compact = "<a x=\"&lt;&amp;&gt;\"><b>text</b><![CDATA[<raw>]]><c/>tail</a>";
    EXPECT_EQ(CreateString(Parse(compact), false), compact);
}

TEST_F(XmlParse, FiveEscapedCharactersComeBackUnchanged) {
    const std::string value = "a & b < c > d \" e ' f";
    XmlNode node = dw::CreateTopNode("t", false);
    node.AddText(value);
    node.AddAttribute("v", value);
    for (bool formatted : {true, false}) {
        const XmlNode back = Parse(CreateString(node, formatted));
        EXPECT_EQ(back.GetText(0), value);
        EXPECT_EQ(back.Attribute("v"), value);
    }
}

TEST_F(XmlParse, NumericReferences) {
    EXPECT_EQ(Parse("<a>&#65;&#x41;&#X41;</a>").GetText(0), "AAA");
    EXPECT_EQ(Parse("<a v='&#233;'/>").Attribute("v"), "\xC3\xA9");
    EXPECT_EQ(Parse("<a>&#x20AC;</a>").GetText(0), "\xE2\x82\xAC");
    dwtest::CharModeGuard singleByte(dw::CharMode::SingleByte);
    EXPECT_EQ(Parse("<a v='&#233;'/>").Attribute("v"), "\xE9");
}

TEST_F(XmlParse, ClearSectionsAreVerbatim) {
    const XmlNode node = Parse("<p><![CDATA[if a < b & c &foo; then]]></p>");
    EXPECT_EQ(node.GetClear(0).value, "if a < b & c &foo; then");
    EXPECT_EQ(node.GetClear(0).openMark, "<![CDATA[");
    EXPECT_EQ(node.GetClear(0).closeMark, "]]>");
    EXPECT_EQ(Parse("<p><PRE >x</PRE></p>").GetClear(0).openMark, "<PRE>");
    // With attributes a PRE tag is an element.
    EXPECT_EQ(Parse("<p><PRE a='1'>x</PRE></p>").GetChildNode("pre").GetText(0), "x");
}

TEST_F(XmlParse, TextsAreTrimmedAndBlankTextsDropped) {
    const XmlNode node = Parse("<a>\n\t  10,20 \r\n<b/>\n\t\n</a>");
    ASSERT_EQ(node.TextCount(), 1);
    EXPECT_EQ(node.GetText(0), "10,20");
    EXPECT_EQ(node.ContentCount(), 2);
}

TEST_F(XmlParse, AttributeForms) {
    const XmlNode node = Parse("<a one='1' two = \"2\" three=3 four five=\"&quot;'\" />");
    ASSERT_EQ(node.AttributeCount(), 5);
    EXPECT_EQ(node.Attribute("one"), "1");
    EXPECT_EQ(node.Attribute("two"), "2");
    EXPECT_EQ(node.Attribute("three"), "3");
    EXPECT_FALSE(node.Attributes()[3].value.has_value());
    EXPECT_EQ(node.Attribute("five"), "\"'");
    EXPECT_EQ(node.Attribute("FIVE"), "\"'");
    EXPECT_EQ(CreateString(node, false),
              "<a one=\"1\" two=\"2\" three=\"3\" four five=\"&quot;&apos;\"/>");
}

TEST_F(XmlParse, EndTagMatchesIgnoringCaseAndClosesDeclarations) {
    const XmlNode a = Parse("<A><?pi x?><b/></a>");
    ASSERT_EQ(a.ChildCount(), 1);
    const XmlNode pi = a.ChildAt(0);
    EXPECT_TRUE(pi.IsDeclaration());
    EXPECT_EQ(pi.GetChildNode("b").Name(), "b");
}

TEST_F(XmlParse, NamesWithDotsAndColons) {
    const XmlNode root =
        Parse("<SimBase.Document version=\"1,0\"><x:y/></SimBase.Document>", "SimBase.Document");
    EXPECT_EQ(root.Attribute("version"), "1,0");
    EXPECT_EQ(root.ChildAt(0).Name(), "x:y");
}

TEST_F(XmlParse, DeepNestingIsParsedWithoutRecursion) {
    constexpr int kDepth = 100000;
    std::string text;
    for (int i = 0; i < kDepth; ++i) text += "<a>";
    const XmlNode none = ParseString(text, nullptr, &results);
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(results.error, 1);
    for (int i = 0; i < kDepth; ++i) text += "</a>";
    const XmlNode deep = Parse(text);
    std::string expected;
    for (int i = 1; i < kDepth; ++i) expected += "<a>";
    expected += "<a/>";
    for (int i = 1; i < kDepth; ++i) expected += "</a>";
    EXPECT_EQ(CreateString(deep, false), expected);
}

TEST_F(XmlParse, HugeValuesAndSections) {
    const std::string big(8 * 1024 * 1024, 'x');
    EXPECT_EQ(Parse("<a v=\"" + big + "\"/>").Attribute("v").size(), big.size());
    ParseString("<a><![CDATA[" + big, nullptr, &results);
    EXPECT_EQ(results.error, 8);
    ParseString("<a v=\"" + big, nullptr, &results);
    EXPECT_EQ(results.error, 6);
}

TEST_F(XmlParse, BinaryInputFailsCleanly) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919 + 13) % 256);
    for (std::size_t start = 0; start < 64; ++start) {
        for (std::string prefix : {"", "<a>", "<?xml?><a "}) {
            const XmlNode node = ParseString(prefix + bytes.substr(start), nullptr, &results);
            EXPECT_EQ(node.IsEmpty(), results.error != 0);
        }
    }
}

}  // namespace
