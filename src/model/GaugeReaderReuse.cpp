// GaugeReader::ReadElementsReusing: an undo snapshot usually differs from the gauge in a
// few elements; the others are moved over instead of being built and drawn again.
#include <map>
#include <tuple>
#include <vector>

#include "files/GaugeElementXml.h"
#include "files/GaugeSkeleton.h"
#include "model/ElementHooks.h"
#include "model/GaugeReader.h"
#include "model/SurfaceBudget.h"

namespace dw {

namespace {

// What is cheap to compare before whole nodes are: the kind and where the element lies.
using Placement = std::tuple<std::string, int, int, int, int>;

Placement PlacementOf(const CElement& element) {
    const Rect& r = element.GetRect();
    return {std::string(TypeWordOf(element.GetKind())), r.left, r.top, element.width,
            element.height};
}

Placement PlacementOf(const XmlNode& node, const std::string& type, const GaugeLimits& limits) {
    const ElementGeometry g = ClampGeometry(ReadElementGeometry(node), limits);
    return {type, g.left, g.top, g.width, g.height};
}

// A moved-over element as a freshly read one would be: unselected, in no group, with the
// primary link read again from its program.
void AsFreshlyRead(CElement& element) {
    element.Deselect();
    element.SetGroup(0);
    element.mouseDown = false;
    element.linkedServer = 0;
    element.linkedOffset = 0;
    CallParseLink(element);
}

}  // namespace

ElementsRead GaugeReader::ReadElementsReusing(const XmlNode& root, IElementOwner* owner,
                                              ElementList& current) const {
    ElementsRead read;
    if (root.ChildCount(kElementNode) > limits.maxElements) {
        read.status = ElementsRead::Status::TooMany;
        return read;
    }
    std::multimap<Placement, CElement*> candidates;
    for (CElement& element : current) {
        if (!element.IsRunMode() && element.runRotation == 0.0 && element.GetOwner() == owner)
            candidates.emplace(PlacementOf(element), &element);
    }
    // Which node each current element stands for, and the elements built for the others.
    struct Slot {
        XmlNode node;
        int position = 0;  // among the "element" children
        CElement* reused = nullptr;
        std::unique_ptr<CElement> built;
    };
    std::vector<Slot> readOrder;
    int index = 0;
    for (int position = 1;; ++position) {
        XmlNode node = root.GetChildNode(kElementNode, &index);
        if (node.IsEmpty()) break;
        const std::string type = node.Attribute("type");
        if (!factory.IsRegistered(type)) {
            ++read.skipped;
            continue;
        }
        Slot slot{node, position};
        auto [first, last] = candidates.equal_range(PlacementOf(node, type, limits));
        for (auto it = first; it != last; ++it) {
            if (!SameContent(it->second->ToXml(), node)) continue;
            slot.reused = it->second;
            candidates.erase(it);
            break;
        }
        readOrder.push_back(std::move(slot));
    }

    // The elements not moved over are about to go: theirs is the memory the new ones get.
    std::int64_t outgoing = 0;
    for (const CElement& element : current) outgoing += element.SurfaceBytes();
    for (const Slot& slot : readOrder)
        if (slot.reused) outgoing -= slot.reused->SurfaceBytes();
    const SurfaceBudget::ReplacementScope replacing(outgoing);
    const std::shared_ptr<void> batch = factory.BeginBatch();
    for (Slot& slot : readOrder) {
        if (slot.reused) continue;
        ElementFactory::LoadResult loaded = factory.Load(slot.node, owner);
        if (loaded.status == ElementFactory::LoadStatus::Failed) {
            read.status = ElementsRead::Status::ElementFailed;
            read.failedPosition = slot.position;
            read.failedType = slot.node.Attribute("type");
            return read;
        }
        slot.built = std::move(loaded.element);
    }
    for (Slot& slot : readOrder) {
        if (slot.reused) {
            std::unique_ptr<CElement> element = current.Take(slot.reused);
            AsFreshlyRead(*element);
            read.elements.Append(std::move(element));
        } else if (slot.built) {
            read.elements.Append(std::move(slot.built));
        }
    }
    return read;
}

}  // namespace dw
