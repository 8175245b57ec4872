#include "render/CText.h"

#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "model/ElementXml.h"

namespace dw {

namespace {

void SetCreationColours(CElement& e) {
    e.text = CText::kDefaultText;
    e.color = 0xFFFFFF;
    e.colorF = 0;
    e.borderColor = 0;
    e.borderWidth = 0;
}

}  // namespace

CText::CText(IElementOwner* owner, const Rect& r) : CElement(owner, ElementKind::Text) {
    rect = r;
    width = r.Width();
    height = r.Height();
    linkedServer = 0;
    linkedOffset = -1;
    SetCreationColours(*this);
    SetColourChange(0, 0);
    CreateSurface();
}

CText::CText(const XmlNode& node, IElementOwner* owner) : CElement(owner, ElementKind::Text) {
    SetCreationColours(*this);
    name = node.Attribute("name");
    locked = ParseFlag(node.Attribute("locked"));
    if (!ReadPlacement(node, *this)) return;
    ReadRotationAndTransparency(node, *this);
    ReadBorder(node, *this);
    text = DecodeLiteral(node.Attribute("literal"));
    SetColourChange(ReadColourAttribute(node, "col1"), ReadColourAttribute(node, "col2"));

    const XmlNode font = node.GetChildNode("fontdesc");
    face = font.Attribute("face");
    position = ParseInt(font.Attribute("position"));
    fontStyle = ParseInt(font.Attribute("style"));
    fontWidth = ParseInt(font.Attribute("width"));
    fontHeight = ParseInt(font.Attribute("height"));
    weight = ParseInt(font.Attribute("weight"));
    color = ReadColourAttribute(font, "color");
    colorF = ReadColourAttribute(font, "colorf");

    mainProgram = ReadProgramChild(node, kMainProgramChild);
    Rebuild();
    loadedOk = true;
}

CText::~CText() = default;

XmlNode& CText::ToXml() {
    XmlNode node = NewElementNode(*this);
    node.AddAttribute("name", name);
    node.AddAttribute("locked", FormatFlag(locked));
    AddPlacementAttributes(node, *this);
    AddRotationAttribute(node, *this);
    AddBorderAttributes(node, *this);
    node.AddAttribute("literal", EncodeLiteral(text));
    AddTransparencyAttributes(node, *this);
    AddColourAttribute(node, "col1", col1);
    AddColourAttribute(node, "col2", col2);

    XmlNode font = node.AddChild("fontdesc");
    font.AddAttribute("face", face);
    font.AddAttribute("position", FormatInt(position));
    font.AddAttribute("style", FormatInt(fontStyle));
    font.AddAttribute("width", FormatInt(fontWidth));
    font.AddAttribute("height", FormatInt(fontHeight));
    font.AddAttribute("weight", FormatInt(weight));
    AddColourAttribute(font, "color", color);
    AddColourAttribute(font, "colorf", colorF);

    AddProgramChild(node, kMainProgramChild, mainProgram);
    xmlNode = node;
    return xmlNode;
}

}  // namespace dw
