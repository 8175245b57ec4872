// CreateString: the exact layout gauge files and the clipboard rely on.
#include <gtest/gtest.h>

#include "files/XmlNode.h"

namespace {

using dw::CreateString;
using dw::CreateTopNode;
using dw::XmlNode;

XmlNode SmallGauge() {
    XmlNode declaration = CreateTopNode("xml", true);
    declaration.AddAttribute("version", "1.0");
    declaration.AddAttribute("encoding", "iso-8859-1");
    XmlNode gauge = declaration.AddChild("gauge");
    gauge.AddAttribute("version", "2.0.0.0");
    XmlNode properties = gauge.AddChild("properties");
    properties.AddAttribute("name", "Altimeter");
    XmlNode element = gauge.AddChild("element");
    element.AddAttribute("type", "graph");
    element.AddChild("program").AddClear("link offset 12\r\n", "<![CDATA[", "]]>");
    return declaration;
}

TEST(XmlWriter, FormattedGaugeLayout) {
    EXPECT_EQ(CreateString(SmallGauge(), true),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n"
              "<gauge version=\"2.0.0.0\">\n"
              "\t<properties name=\"Altimeter\"/>\n"
              "\t<element type=\"graph\">\n"
              "\t\t<program>\n"
              "\t\t\t<![CDATA[link offset 12\r\n]]>\n"
              "\t\t</program>\n"
              "\t</element>\n"
              "</gauge>\n");
    // The clipboard check compares the first 51 characters of a fragment.
    EXPECT_EQ(CreateString(SmallGauge(), true).substr(0, 51),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge ");
    // A subtree is written from depth zero.
    EXPECT_EQ(CreateString(SmallGauge().GetChildNode("gauge").GetChildNode("element"), true)
                  .substr(0, 23),
              "<element type=\"graph\">\n");
}

TEST(XmlWriter, CompactHasNoIndentsOrLineFeeds) {
    EXPECT_EQ(CreateString(SmallGauge(), false),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>"
              "<gauge version=\"2.0.0.0\"><properties name=\"Altimeter\"/>"
              "<element type=\"graph\"><program><![CDATA[link offset 12\r\n]]></program>"
              "</element></gauge>");
}

TEST(XmlWriter, EscapesAttributesAndTextsButNotClearSections) {
    XmlNode node = CreateTopNode("text", false);
    node.AddAttribute("literal", "a&b<c>d\"e'f");
    node.AddAttribute("bare", std::nullopt);
    node.AddText("x < y & \"z\"");
    node.AddClear(" <raw> & ", "<!--", "-->");
    EXPECT_EQ(CreateString(node, true),
              "<text literal=\"a&amp;b&lt;c&gt;d&quot;e&apos;f\" bare>\n"
              "\tx &lt; y &amp; &quot;z&quot;\n"
              "\t<!-- <raw> & -->\n"
              "</text>\n");
}

TEST(XmlWriter, DeclarationAddsNoLevelAndHasNoEndTag) {
    XmlNode declaration = CreateTopNode("xml", true);
    XmlNode root = declaration.AddChild("a");
    root.AddChild("pi", true).AddChild("b");
    declaration.AddText("after");
    EXPECT_EQ(CreateString(declaration, true),
              "<?xml?>\n"
              "<a>\n"
              "\t<?pi?>\n"
              "\t<b/>\n"
              "</a>\n"
              "after\n");
}

}  // namespace
