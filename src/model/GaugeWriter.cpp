#include "model/GaugeWriter.h"

#include "files/GaugeSkeleton.h"

namespace dw {

namespace {

// Each element's node, in list order. ToXml builds a fresh node on every call and never
// changes one it has handed out, so the document can share the node instead of copying it
// as AppendXml does: that halves the work of the undo snapshot taken before every edit.
void AppendAll(XmlNode& root, const ElementList& elements) {
    for (CElement& element : elements) root.AppendChild(element.ToXml());
}

}  // namespace

XmlNode GaugeWriter::GaugeFile(const GaugeProperties& properties, const GaugeLink& link1,
                               const GaugeLink& link2, const ElementList& elements) {
    GaugeDocumentNodes doc = NewGaugeDocument();
    AddPropertiesNode(doc.root, properties);
    AddLinkNode(doc.root, kLink1Node, link1);
    AddLinkNode(doc.root, kLink2Node, link2);
    AppendAll(doc.root, elements);
    return doc.declaration;
}

XmlNode GaugeWriter::Fragment(const std::string& gaugeName, const ElementList& elements) {
    GaugeDocumentNodes doc = NewGaugeDocument();
    AddFragmentProperties(doc.root, gaugeName);
    for (CElement& element : elements)
        if (element.IsSelected()) doc.root.AppendChild(element.ToXml());
    return doc.declaration;
}

XmlNode GaugeWriter::Snapshot(const ElementList& elements) {
    GaugeDocumentNodes doc = NewGaugeDocument();
    AppendAll(doc.root, elements);
    return doc.declaration;
}

}  // namespace dw
