#include "files/GaugeSkeleton.h"

#include "files/GaugeVersion.h"

namespace dw {

GaugeDocumentNodes NewGaugeDocument() {
    GaugeDocumentNodes doc;
    doc.declaration = CreateTopNode("xml", true);
    doc.declaration.AddAttribute("version", std::string("1.0"));
    doc.declaration.AddAttribute("encoding", std::string("iso-8859-1"));
    doc.root = doc.declaration.AddChild(kGaugeRootTag);
    doc.root.AddAttribute("xmlns", std::string(kGaugeSchemaAddress));
    doc.root.AddAttribute("version", std::string(kGaugeFormatVersion));
    return doc;
}

void AddFragmentProperties(XmlNode& root, const std::string& gaugeName) {
    root.AddChild("properties").AddAttribute("copyfromgauge", gaugeName);
}

bool IsGaugeFragmentText(std::string_view text) {
    return text.starts_with(kGaugeTextPrefix);
}

std::string GaugeDocumentText(const XmlNode& declaration) {
    return CreateString(declaration, true);
}

std::string GaugeFileBytes(const XmlNode& declaration) {
    std::string bytes;
    if (GetCharMode() == CharMode::Utf8) bytes = "\xEF\xBB\xBF";
    bytes += CreateString(declaration, true);
    return bytes;
}

}  // namespace dw
