#pragma once
// The skeleton shared by the three gauge documents: the declaration "xml" (version "1.0",
// encoding "iso-8859-1") holding the root "gauge" (the schema address and version
// "2.0.0.0"). A gauge file adds "properties", the two links and its elements; a clipboard
// fragment adds "properties" with only "copyfromgauge" and the copied elements; an undo
// snapshot adds only the elements.
#include <string>
#include <string_view>

#include "files/XmlNode.h"

namespace dw {

inline constexpr const char* kGaugeRootTag = "gauge";
inline constexpr const char* kElementNode = "element";

// What every formatted gauge text begins with; the clipboard holds a fragment exactly when
// its text starts with these 51 characters.
inline constexpr std::string_view kGaugeTextPrefix =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge ";

struct GaugeDocumentNodes {
    XmlNode declaration;  // the whole document
    XmlNode root;         // "gauge", child of the declaration
};
GaugeDocumentNodes NewGaugeDocument();

// The "properties" child of a clipboard fragment.
void AddFragmentProperties(XmlNode& root, const std::string& gaugeName);

bool IsGaugeFragmentText(std::string_view text);

// The formatted text of a document (clipboard fragments and undo snapshots).
std::string GaugeDocumentText(const XmlNode& declaration);
// The bytes of a gauge file: the formatted text, preceded by EF BB BF while the XML layer's
// character mode is UTF-8.
std::string GaugeFileBytes(const XmlNode& declaration);

}  // namespace dw
