// CreateString: the exact layout gauge files and the clipboard rely on (escapes and the
// other node kinds are checked as round trips with the parser).
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

TEST(XmlWriter, FormattedAndCompactGaugeLayout) {
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
    // A subtree is written from depth zero.
    EXPECT_EQ(CreateString(SmallGauge().GetChildNode("gauge").GetChildNode("element"), true)
                  .substr(0, 23),
              "<element type=\"graph\">\n");
    // Compact: no indents or line feeds.
    EXPECT_EQ(CreateString(SmallGauge(), false),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>"
              "<gauge version=\"2.0.0.0\"><properties name=\"Altimeter\"/>"
              "<element type=\"graph\"><program><![CDATA[link offset 12\r\n]]></program>"
              "</element></gauge>");
}

}  // namespace
