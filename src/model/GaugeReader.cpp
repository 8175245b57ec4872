#include "model/GaugeReader.h"

#include "files/GaugeElementXml.h"
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
        case Status::ElementTooLarge:
            return which + " lies beyond the allowed size or position";
        case Status::TooMany:
            return "it holds more elements than a gauge may have";
        case Status::TooMuchSurface:
            return "its elements together are too large to draw";
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

    std::int64_t pixels = 0;
    int index = 0;
    for (int position = 1;; ++position) {
        const XmlNode node = root.GetChildNode(kElementNode, &index);
        if (node.IsEmpty()) break;
        std::string type = node.Attribute("type");
        if (!factory.IsRegistered(type)) {
            ++read.skipped;
            continue;
        }
        const ElementGeometry geometry = ReadElementGeometry(node);
        if (!IsLoadableGeometry(geometry, limits)) {
            fail(ElementsRead::Status::ElementTooLarge, position, std::move(type));
            return read;
        }
        pixels += geometry.Pixels();
        if (pixels > limits.maxTotalPixels) {
            fail(ElementsRead::Status::TooMuchSurface, position, std::move(type));
            return read;
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
