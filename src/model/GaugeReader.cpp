#include "model/GaugeReader.h"

#include "files/GaugeSkeleton.h"

namespace dw {

std::string ElementsRead::Reason() const {
    const std::string which =
        "element " + std::to_string(failedPosition) + " (type \"" + failedType + "\")";
    switch (status) {
        case Status::Ok:
            return std::string();
        case Status::ElementFailed:
            return which + " could not be read";
        case Status::TooMany:
            return "it holds more elements than a gauge may have";
    }
    return std::string();
}

GaugeReader::GaugeReader(const ElementFactory& factory, GaugeLimits limits)
    : factory(factory), limits(limits) {}

ElementsRead GaugeReader::ReadElements(const XmlNode& root, IElementOwner* owner) const {
    ElementsRead read;
    if (root.ChildCount(kElementNode) > limits.maxElements) {
        read.status = ElementsRead::Status::TooMany;
        return read;
    }
    auto fail = [&read](ElementsRead::Status status, int position, std::string type) {
        read.status = status;
        read.failedPosition = position;
        read.failedType = std::move(type);
        read.elements.Clear();
    };

    // Kinds share work between the elements of one document (an image file shown by many
    // elements is decoded once).
    const std::shared_ptr<void> batch = factory.BeginBatch();
    int index = 0;
    for (int position = 1;; ++position) {
        const XmlNode node = root.GetChildNode(kElementNode, &index);
        if (node.IsEmpty()) break;
        std::string type = node.Attribute("type");
        if (!factory.IsRegistered(type)) {
            ++read.skipped;
            continue;
        }
        ElementFactory::LoadResult loaded = factory.Load(node, owner);
        switch (loaded.status) {
            case ElementFactory::LoadStatus::Loaded:
                read.elements.Append(std::move(loaded.element));
                break;
            case ElementFactory::LoadStatus::UnknownType:
                ++read.skipped;
                break;
            case ElementFactory::LoadStatus::Failed:
                fail(ElementsRead::Status::ElementFailed, position, std::move(type));
                return read;
        }
    }
    return read;
}

}  // namespace dw
