#include "model/ElementXml.h"

#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "files/GaugeSkeleton.h"

namespace dw {

XmlNode NewElementNode(const CElement& element) {
    XmlNode node = CreateTopNode(kElementNode, false);
    node.AddAttribute("type", std::string(TypeWordOf(element.GetKind())));
    return node;
}

void AddPlacementAttributes(XmlNode& node, const CElement& element) {
    const Rect& r = element.GetRect();
    AddGeometryAttributes(node, r.left, r.top, r.right, element.width, element.height);
}

void AddRotationAttribute(XmlNode& node, const CElement& element) {
    node.AddAttribute("rot", FormatReal(element.rotation));
}

void AddTransparencyAttributes(XmlNode& node, const CElement& element) {
    node.AddAttribute("btr", FormatFlag(element.transparent));
    AddColourAttribute(node, "ntr", element.transparentColor);
}

void AddBorderAttributes(XmlNode& node, const CElement& element) {
    AddColourAttribute(node, "bordercolor", element.borderColor);
    node.AddAttribute("borderwith", FormatInt(element.borderWidth));
}

void AddColourAttribute(XmlNode& node, const char* name, Colour colour) {
    node.AddAttribute(name, FormatColour(colour));
}

bool ReadPlacement(const XmlNode& node, CElement& element, const GaugeLimits& limits) {
    const ElementGeometry g = ClampGeometry(ReadElementGeometry(node), limits);
    element.rect = {g.left, g.top, g.left + g.width, g.top + g.height};
    element.width = g.width;
    element.height = g.height;
    return true;
}

void ReadRotationAndTransparency(const XmlNode& node, CElement& element) {
    element.rotation = ParseInt(node.Attribute("rot"));
    element.transparent = ParseFlag(node.Attribute("btr"));
    element.transparentColor = ReadColourAttribute(node, "ntr");
}

void ReadBorder(const XmlNode& node, CElement& element) {
    element.borderColor = ReadColourAttribute(node, "bordercolor");
    element.borderWidth = ParseInt(node.Attribute("borderwith"));
}

Colour ReadColourAttribute(const XmlNode& node, const char* name) {
    return ParseColour(node.Attribute(name));
}

}  // namespace dw
