#pragma once
// GaugeWriter: builds the three gauge documents from a gauge's element list. Each element
// contributes its node through AppendXml, in list order.
#include <string>

#include "files/GaugeProperties.h"
#include "files/XmlNode.h"
#include "model/ElementList.h"

namespace dw {

class GaugeWriter {
public:
    // The gauge file: declaration, root "gauge", "properties", "zekolink_1", "zekolink_2",
    // then every element. Returns the declaration node (the whole document).
    static XmlNode GaugeFile(const GaugeProperties& properties, const GaugeLink& link1,
                             const GaugeLink& link2, const ElementList& elements);
    // The clipboard fragment: "properties" with only "copyfromgauge", then the selected
    // elements.
    static XmlNode Fragment(const std::string& gaugeName, const ElementList& elements);
    // The undo snapshot: every element, nothing else.
    static XmlNode Snapshot(const ElementList& elements);
};

}  // namespace dw
