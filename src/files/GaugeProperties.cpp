#include "files/GaugeProperties.h"

#include "files/AttributeCodec.h"
#include "files/GaugeVersion.h"

namespace dw {

namespace {

Colour ReadColour(const XmlNode& node, const std::string& name) {
    return ParseColour(node.Attribute(name));
}

std::string CustomColourName(int index) {
    return "customcolor_" + std::to_string(index);
}

std::optional<GaugeLink> ReadLink(const XmlNode& root, const char* nodeName) {
    const XmlNode node = root.GetChildNode(nodeName);
    if (node.IsEmpty()) return std::nullopt;
    GaugeLink link;
    link.alias = node.Attribute("alias");
    link.ip = node.Attribute("ip");
    link.port = ParseInt(node.Attribute("port"));
    return link;
}

}  // namespace

std::int32_t ClampFps(std::int32_t fps) {
    if (fps < 1) return kDefaultFps;
    if (fps > kMaxFps) return kMaxFps;
    return fps;
}

void AddPropertiesNode(XmlNode& root, const GaugeProperties& p) {
    XmlNode node = root.AddChild(kPropertiesNode);
    node.AddAttribute("name", p.name);
    node.AddAttribute("fps", FormatInt(p.fps));
    node.AddAttribute("maximized", p.window.maximized ? "1" : "0");
    node.AddAttribute("pos_x", FormatInt(p.window.x));
    node.AddAttribute("pos_y", FormatInt(p.window.y));
    node.AddAttribute("pos_w", FormatInt(p.window.width));
    node.AddAttribute("pos_h", FormatInt(p.window.height));
    node.AddAttribute("backcolor", FormatColour(p.backColor));
    node.AddAttribute("runatstart", FormatFlag(p.runAtStart));
    node.AddAttribute("aliasfile", p.aliasFile);
    for (int i = 0; i < static_cast<int>(p.customColors.size()); ++i)
        node.AddAttribute(CustomColourName(i), FormatColour(p.customColors[i]));
}

void AddLinkNode(XmlNode& root, const char* nodeName, const GaugeLink& link) {
    XmlNode node = root.AddChild(nodeName);
    node.AddAttribute("alias", link.alias);
    node.AddAttribute("ip", link.ip);
    node.AddAttribute("port", FormatInt(link.port));
}

GaugeHeader ReadGaugeHeader(const XmlNode& root) {
    GaugeHeader header;
    header.version = root.Attribute("version");
    header.hasWindow = HasWindowPlacement(header.version);
    header.hasColoursAndAlias = HasColoursAndAlias(header.version);

    const XmlNode node = root.GetChildNode(kPropertiesNode);
    GaugeProperties& p = header.properties;
    p.name = node.Attribute("name");
    p.fps = ClampFps(ParseInt(node.Attribute("fps")));
    p.backColor = ReadColour(node, "backcolor");
    p.runAtStart = ParseFlag(node.Attribute("runatstart"));
    if (header.hasWindow) {
        p.window.maximized = ParseInt(node.Attribute("maximized")) == 1;
        p.window.x = ParseInt(node.Attribute("pos_x"));
        p.window.y = ParseInt(node.Attribute("pos_y"));
        p.window.width = ParseInt(node.Attribute("pos_w"));
        p.window.height = ParseInt(node.Attribute("pos_h"));
    }
    if (header.hasColoursAndAlias) {
        p.aliasFile = node.Attribute("aliasfile");
        for (int i = 0; i < static_cast<int>(p.customColors.size()); ++i)
            p.customColors[i] = ReadColour(node, CustomColourName(i));
    }
    header.link1 = ReadLink(root, kLink1Node);
    header.link2 = ReadLink(root, kLink2Node);
    return header;
}

}  // namespace dw
