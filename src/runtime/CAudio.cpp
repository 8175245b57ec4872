#include "runtime/CAudio.h"

#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "model/ElementXml.h"

namespace dw {

CAudio::CAudio(IElementOwner* owner, const Rect& r) : CElement(owner, ElementKind::Audio) {
    rect = r;
    width = r.Width();
    height = r.Height();
    linkedServer = 0;
    linkedOffset = -1;
    CreateSurface();
}

CAudio::CAudio(const XmlNode& node, IElementOwner* owner) : CElement(owner, ElementKind::Audio) {
    name = node.Attribute("name");
    file = node.Attribute("file");
    locked = ParseFlag(node.Attribute("locked"));
    if (!ReadPlacement(node, *this)) return;
    ReadRotationAndTransparency(node, *this);
    col1 = ReadColourAttribute(node, "col1");
    col2 = ReadColourAttribute(node, "col2");
    mainProgram = ReadProgramChild(node, kMainProgramChild);
    Rebuild();
    loadedOk = true;
}

CAudio::~CAudio() {
    Stop();
}

XmlNode& CAudio::ToXml() {
    XmlNode node = NewElementNode(*this);
    node.AddAttribute("name", name);
    node.AddAttribute("file", file);
    node.AddAttribute("locked", FormatFlag(locked));
    AddPlacementAttributes(node, *this);
    AddRotationAttribute(node, *this);
    AddTransparencyAttributes(node, *this);
    AddColourAttribute(node, "col1", col1);
    AddColourAttribute(node, "col2", col2);
    AddProgramChild(node, kMainProgramChild, mainProgram);
    xmlNode = node;
    return xmlNode;
}

}  // namespace dw
