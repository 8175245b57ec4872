#include "render/CGraph.h"

#include "files/AttributeCodec.h"
#include "files/GaugeElementXml.h"
#include "model/ElementXml.h"

namespace dw {

CGraph::CGraph(IElementOwner* owner, const Rect& r) : CElement(owner, ElementKind::Image) {
    rect = r;
    width = r.Width();
    height = r.Height();
    linkedServer = 0;
    linkedOffset = -1;
    CreateSurface();
}

CGraph::CGraph(const XmlNode& node, IElementOwner* owner) : CElement(owner, ElementKind::Image) {
    name = node.Attribute("name");
    file = node.Attribute("file");
    locked = ParseFlag(node.Attribute("locked"));
    if (!ReadPlacement(node, *this)) return;
    ReadRotationAndTransparency(node, *this);
    SetColourChange(ReadColourAttribute(node, "col1"), ReadColourAttribute(node, "col2"));
    mainProgram = ReadProgramChild(node, kMainProgramChild);
    clickProgram = ReadProgramChild(node, kClickProgramChild);
    Rebuild();
    loadedOk = true;
}

CGraph::~CGraph() = default;

XmlNode& CGraph::ToXml() {
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
    AddProgramChild(node, kClickProgramChild, clickProgram);
    xmlNode = node;
    return xmlNode;
}

}  // namespace dw
