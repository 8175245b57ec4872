// Parsing well-formed input: structure, entities, clear sections, round trips in both layouts
// (the formatted layout of a whole gauge is the golden sample file's), huge values
// (nesting bounds are with the errors; arbitrary bytes are the fuzz target's).
#include <gtest/gtest.h>

#include <string>

#include "XmlCharModeGuard.h"
#include "files/XmlNode.h"

namespace {

using dw::CreateString;
using dw::ParseString;
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
    // Only what was parsed right comes back byte for byte: attributes without and with empty
    // values, clear sections verbatim, texts and elements in their order.
    EXPECT_EQ(CreateString(Parse(formatted), true), formatted);
}

TEST_F(XmlParse, CompactOutputAndEscapedCharactersRoundTrip) {
    const std::string compact = "<a x=\"&lt;&amp;&gt;\"><b>text</b><![CDATA[<raw>]]><c/>tail</a>";
    EXPECT_EQ(CreateString(Parse(compact), false), compact);
    const std::string value = "a & b < c > d \" e ' f";
    XmlNode node = dw::CreateTopNode("t", false);
    node.AddText(value);
    node.AddAttribute("v", value);
    for (bool formatted : {true, false}) {
        const XmlNode back = Parse(CreateString(node, formatted));
        EXPECT_EQ(back.GetText(0) + "|" + back.Attribute("v"), value + "|" + value);
    }
}

TEST_F(XmlParse, ReferencesSectionsTextsAttributesAndNamesAsWrittenBack) {
    const std::pair<const char*, const char*> rows[] = {
        {"<a>&#65;&#x41;&#X41;</a>", "<a>AAA</a>"},
        {"<a v='&#233;'>&#x20AC;</a>", "<a v=\"\xC3\xA9\">\xE2\x82\xAC</a>"},
        {"<p><![CDATA[if a < b & c &foo; then]]></p>",
         "<p><![CDATA[if a < b & c &foo; then]]></p>"},
        {"<p><PRE >x</PRE></p>", "<p><PRE>x</PRE></p>"},
        // With attributes a PRE tag is an element.
        {"<p><PRE a='1'>x</PRE></p>", "<p><PRE a=\"1\">x</PRE></p>"},
        // Texts are trimmed and blank texts dropped.
        {"<a>\n\t  10,20 \r\n<b/>\n\t\n</a>", "<a>10,20<b/></a>"},
        {"<a one='1' two = \"2\" three=3 four five=\"&quot;'\" />",
         "<a one=\"1\" two=\"2\" three=\"3\" four five=\"&quot;&apos;\"/>"},
        // End tags ignore case; a declaration holds what follows it.
        {"<A><?pi x?><b/></a>", "<A><?pi x?><b/></A>"},
    };
    for (const auto& [text, written] : rows) EXPECT_EQ(CreateString(Parse(text), false), written);
    EXPECT_EQ(Parse("<p><PRE a='1'>x</PRE></p>").GetChildNode("pre").GetText(0), "x");
    EXPECT_EQ(Parse("<a four/>").Attributes()[0].value, std::nullopt);
    dwtest::CharModeGuard singleByte(dw::CharMode::SingleByte);
    EXPECT_EQ(Parse("<a v='&#233;'/>").Attribute("v"), "\xE9");
}

TEST_F(XmlParse, HugeValuesAndSections) {
    const std::string big(8 * 1024 * 1024, 'x');
    EXPECT_EQ(Parse("<a v=\"" + big + "\"/>").Attribute("v").size(), big.size());
    ParseString("<a><![CDATA[" + big, nullptr, &results);
    EXPECT_EQ(results.error, 8);
    ParseString("<a v=\"" + big, nullptr, &results);
    EXPECT_EQ(results.error, 6);
}

}  // namespace
