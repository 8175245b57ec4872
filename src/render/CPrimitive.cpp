#include "render/CPrimitive.h"

#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "model/ElementXml.h"
#include "render/ShapeRenderer.h"

namespace dw {

namespace {

void SetCreationValues(CElement& e) {
    e.ang1 = 0.0f;
    e.ang2 = 360.0f;
    e.angPct = 50.0f;
    e.colorF = 0;
    e.color = 0xFFFFFF;
    e.borderColor = 0xFFFFFF;
    e.borderWidth = 1;
}

}  // namespace

CPrimitive::CPrimitive(IElementOwner* owner, const Rect& r)
    : CElement(owner, ElementKind::Primitive) {
    rect = r;
    width = r.Width();
    height = r.Height();
    linkedServer = 0;
    linkedOffset = -1;
    SetCreationValues(*this);
    SetSubtype("FillRect");
    CreateSurface();
}

CPrimitive::CPrimitive(const XmlNode& node, IElementOwner* owner)
    : CElement(owner, ElementKind::Primitive) {
    SetCreationValues(*this);
    name = node.Attribute("name");
    SetSubtype(node.Attribute("subtype"));
    style = ParseInt(node.Attribute("style"));
    locked = ParseFlag(node.Attribute("locked"));
    if (!ReadPlacement(node, *this)) return;
    ReadRotationAndTransparency(node, *this);
    SetColourChange(ReadColourAttribute(node, "col1"), ReadColourAttribute(node, "col2"));
    ang1 = ParseReal(node.Attribute("ang1"));
    ang2 = ParseReal(node.Attribute("ang2"));
    angPct = ParseReal(node.Attribute("angpct"));
    ReadBorder(node, *this);
    witharc = ParseFlag(node.Attribute("witharc"));
    startmark = ParseReal(node.Attribute("startmark"));
    endmark = ParseReal(node.Attribute("endmark"));
    color = ReadColourAttribute(node, "color");
    colorF = ReadColourAttribute(node, "colorf");
    mainProgram = ReadProgramChild(node, kMainProgramChild);
    Rebuild();
    loadedOk = true;
}

CPrimitive::~CPrimitive() = default;

XmlNode& CPrimitive::ToXml() {
    XmlNode node = NewElementNode(*this);
    node.AddAttribute("name", name);
    node.AddAttribute("subtype", subtype);
    node.AddAttribute("style", FormatInt(style));
    node.AddAttribute("locked", FormatFlag(locked));
    AddPlacementAttributes(node, *this);
    AddRotationAttribute(node, *this);
    AddTransparencyAttributes(node, *this);
    AddColourAttribute(node, "col1", col1);
    AddColourAttribute(node, "col2", col2);
    node.AddAttribute("ang1", FormatReal(ang1));
    node.AddAttribute("ang2", FormatReal(ang2));
    node.AddAttribute("angpct", FormatReal(angPct));
    AddBorderAttributes(node, *this);
    node.AddAttribute("witharc", FormatFlag(witharc));
    node.AddAttribute("startmark", FormatReal(startmark));
    node.AddAttribute("endmark", FormatReal(endmark));
    AddColourAttribute(node, "color", color);
    AddColourAttribute(node, "colorf", colorF);
    AddProgramChild(node, kMainProgramChild, mainProgram);
    xmlNode = node;
    return xmlNode;
}

void CPrimitive::SetSubtype(const std::string& shape) {
    subtype = shape;
    borderColorOnly = IsBorderColourOnly(shape);
}

}  // namespace dw
