#pragma once
// GaugeReader: builds the elements of a gauge file, clipboard fragment or undo snapshot
// from the "element" children of its root, in file order, through the element factory.
// Elements of an unknown type are skipped; sizes and positions beyond the limits are clamped
// (an element too large for the surface budget is kept and draws empty). Reading is all or
// nothing: when an element can't be built (its loading constructor fails) or the document
// holds more elements than the limits allow, no element is kept.
#include <cstdint>
#include <string>

#include "files/GaugeLimits.h"
#include "files/XmlNode.h"
#include "model/ElementFactory.h"
#include "model/ElementList.h"

namespace dw {

class IElementOwner;

struct ElementsRead {
    enum class Status {
        Ok,
        ElementFailed,  // a loading constructor reported failure
        TooMany,        // more "element" children than the limits allow
    };
    Status status = Status::Ok;
    ElementList elements;    // empty unless status is Ok
    int skipped = 0;         // elements of unknown types
    int failedPosition = 0;  // 1-based position among the "element" children, when failed
    std::string failedType;  // the failed element's type word

    bool Ok() const { return status == Status::Ok; }
    // Why reading failed, in a sentence for the user ("" when it did not).
    std::string Reason() const;
};

class GaugeReader {
public:
    explicit GaugeReader(const ElementFactory& factory = ElementFactory::Instance(),
                         GaugeLimits limits = {});

    // The elements of root's "element" children; new elements get owner as their window.
    ElementsRead ReadElements(const XmlNode& root, IElementOwner* owner) const;

    // The same, for restoring an undo snapshot over the elements it was taken from: an
    // element of `current` that reads back exactly as one of root's "element" nodes (and
    // shows what a freshly read one would: no run-time turn, same owner) is moved over, out
    // of selection and group, instead of being built and drawn again. `current` keeps the
    // elements not moved; nothing is moved when reading fails.
    ElementsRead ReadElementsReusing(const XmlNode& root, IElementOwner* owner,
                                     ElementList& current) const;

    const GaugeLimits& Limits() const { return limits; }
    const ElementFactory& Factory() const { return factory; }

private:
    const ElementFactory& factory;
    GaugeLimits limits;
};

}  // namespace dw
