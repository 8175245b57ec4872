#include "files/FsGaugeSource.h"

#include "files/AttributeCodec.h"
#include "files/XmlText.h"

namespace dw {

namespace {

constexpr int kMaxDeclarationNesting = 16;
// Nodes looked at when counting the images inside a "Select".
constexpr int kMaxSelectNodes = 10000;

bool IsNamed(const XmlNode& node, std::string_view name) {
    return xmltext::EqualNoCase(node.Name(), name);
}

std::string Trimmed(std::string_view text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return std::string();
    const std::size_t last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string ChildText(const XmlNode& node, const char* child) {
    return Trimmed(node.GetChildNode(child).GetText(0));
}

bool IsTransparent(const XmlNode& image) {
    return xmltext::EqualNoCase(ChildText(image, "Transparent"), "true");
}

// The bitmap an "Image" names: its "Name", else an "id" that looks like a file name.
std::string ImageName(const XmlNode& image) {
    std::string name = Trimmed(image.Attribute("Name"));
    if (!name.empty()) return name;
    std::string id = Trimmed(image.Attribute("id"));
    return id.find('.') != std::string::npos ? id : std::string();
}

// Counts the "Image" nodes anywhere below node, looking at a bounded number of nodes.
int CountImagesBelow(const XmlNode& node) {
    int images = 0;
    int visited = 0;
    std::vector<XmlNode> pending{node};
    while (!pending.empty() && visited < kMaxSelectNodes) {
        const XmlNode current = pending.back();
        pending.pop_back();
        for (int i = 0; i < current.ChildCount() && visited < kMaxSelectNodes; ++i, ++visited) {
            const XmlNode child = current.ChildAt(i);
            if (IsNamed(child, "Image")) ++images;
            pending.push_back(child);
        }
    }
    return images;
}

struct RootPlace {
    XmlNode root;
    XmlNode container;  // the node holding the root and its siblings; empty when root is top
};

RootPlace LocateRoot(const XmlNode& top) {
    XmlNode container;
    XmlNode node = top;
    for (int depth = 0; depth < kMaxDeclarationNesting && !node.IsEmpty(); ++depth) {
        if (!node.IsDeclaration() && !node.Name().empty()) {
            if (!IsNamed(node, kFsRootTag)) return {};
            return {node, container};
        }
        container = node;
        node = node.ChildAt(0);
    }
    return {};
}

class Describer {
public:
    Describer(const FsSourceLimits& limits, FsGaugeSource& out) : limits_(limits), out_(out) {}

    void Gauge(const XmlNode& gauge) {
        out_.gaugeName = gauge.Attribute("id");
        out_.artDirectory = gauge.Attribute("ArtDirectory");
        Background(gauge);
        Elements(gauge);
    }

private:
    struct Pending {
        XmlNode node;
        std::int64_t originX = 0;
        std::int64_t originY = 0;
        std::string where;
        int depth = 1;
    };

    void Note(const std::string& where, const std::string& id, std::string text) {
        if (out_.skipped.size() < limits_.maxNotes)
            out_.skipped.push_back({Label(where, id), std::move(text)});
        else
            ++out_.moreSkipped;
    }

    static std::string Label(const std::string& where, const std::string& id) {
        return id.empty() ? where : where + " \"" + id + "\"";
    }

    bool Add(FsGaugeImage image) {
        if (out_.images.size() >= limits_.maxImages) {
            out_.truncated = true;
            return false;
        }
        out_.images.push_back(std::move(image));
        return true;
    }

    void Background(const XmlNode& gauge) {
        const XmlNode image = gauge.GetChildNode("Image");
        if (image.IsEmpty()) return;
        FsGaugeImage background;
        background.where = "background";
        background.id = image.Attribute("id");
        background.imageName = ImageName(image);
        if (background.imageName.empty()) {
            Note(background.where, background.id, "its image names no bitmap");
            return;
        }
        background.transparent = IsTransparent(image);
        const auto [x, y] = ParseFsPair(ChildText(gauge, "FloatPosition"));
        const auto [w, h] = ParseFsPair(ChildText(gauge, "Size"));
        background.x = x;
        background.y = y;
        background.width = w;
        background.height = h;
        Add(std::move(background));
    }

    // Depth first, in document order, without recursion.
    void Elements(const XmlNode& gauge) {
        std::vector<Pending> pending;
        PushChildren(pending, gauge, 0, 0, "element ", 1);
        while (!pending.empty() && !out_.truncated) {
            Pending item = std::move(pending.back());
            pending.pop_back();
            const std::string id = item.node.Attribute("id");
            if (item.depth > limits_.maxDepth) {
                Note(item.where, id,
                     "nested more than " + std::to_string(limits_.maxDepth) +
                         " levels deep: left out with everything inside it");
                continue;
            }
            ++out_.elementCount;
            const XmlNode position = item.node.GetChildNode("FloatPosition");
            if (!position.IsEmpty()) {
                const auto [dx, dy] = ParseFsPair(Trimmed(position.GetText(0)));
                item.originX += dx;
                item.originY += dy;
            }
            const bool hasNested = item.node.ChildCount("Element") > 0;
            const bool noted = NoteLeftOut(item.node, item.where, id);
            Element(item, id, position, hasNested || noted);
            PushChildren(pending, item.node, item.originX, item.originY, item.where + ".",
                         item.depth + 1);
        }
    }

    void Element(const Pending& item, const std::string& id, const XmlNode& position,
                 bool quietWithoutImage) {
        const XmlNode image = item.node.GetChildNode("Image");
        if (image.IsEmpty()) {
            if (!quietWithoutImage) Note(item.where, id, "no image");
            return;
        }
        if (position.IsEmpty()) {
            Note(item.where, id, "no FloatPosition: its image is left out");
            return;
        }
        FsGaugeImage out;
        out.where = item.where;
        out.id = id;
        out.imageName = ImageName(image);
        if (out.imageName.empty()) {
            Note(item.where, id, "its image names no bitmap");
            return;
        }
        out.transparent = IsTransparent(image);
        out.x = item.originX;
        out.y = item.originY;
        const XmlNode imageAxis = image.GetChildNode("Axis");
        if (!item.node.GetChildNode("Axis").IsEmpty()) {
            out.anchor = FsAnchor::Centre;
        } else if (!imageAxis.IsEmpty()) {
            out.anchor = FsAnchor::Axis;
            const auto [ax, ay] = ParseFsPair(Trimmed(imageAxis.GetText(0)));
            out.axisX = ax;
            out.axisY = ay;
        }
        Add(std::move(out));
    }

    // Notes the parts of an element that bring images or texts the import leaves out; true
    // when there was any.
    bool NoteLeftOut(const XmlNode& element, const std::string& where, const std::string& id) {
        bool any = false;
        for (int i = 0; i < element.ChildCount(); ++i) {
            const XmlNode child = element.ChildAt(i);
            if (IsNamed(child, "MaskImage")) {
                Note(where, id, "mask image " + ImageName(child) + " left out");
                any = true;
            } else if (IsNamed(child, "Select")) {
                const int images = CountImagesBelow(child);
                if (images > 0) {
                    Note(where, id,
                         std::to_string(images) + " image(s) inside Select/Case left out");
                    any = true;
                }
            } else if (IsNamed(child, "GaugeText")) {
                Note(where, id, "GaugeText left out");
                any = true;
            }
        }
        return any;
    }

    static void PushChildren(std::vector<Pending>& pending, const XmlNode& parent,
                             std::int64_t originX, std::int64_t originY, const std::string& prefix,
                             int depth) {
        std::vector<XmlNode> children;
        for (int i = 0; i < parent.ChildCount(); ++i) {
            XmlNode child = parent.ChildAt(i);
            if (IsNamed(child, "Element")) children.push_back(std::move(child));
        }
        for (std::size_t n = children.size(); n-- > 0;)
            pending.push_back(
                {std::move(children[n]), originX, originY, prefix + std::to_string(n + 1), depth});
    }

    const FsSourceLimits& limits_;
    FsGaugeSource& out_;
};

std::string FileNameOf(const RootPlace& place) {
    const XmlNode descr = place.root.GetChildNode("Descr");
    std::string name = ChildText(descr, "FileName");
    if (!name.empty()) return name;
    name = ChildText(place.root, "Filename");
    if (!name.empty()) return name;
    for (int i = 0; i < place.container.ChildCount(); ++i) {
        const XmlNode sibling = place.container.ChildAt(i);
        if (IsNamed(sibling, "Filename")) return Trimmed(sibling.GetText(0));
    }
    return std::string();
}

}  // namespace

XmlNode FindFsRoot(const XmlNode& top) {
    return LocateRoot(top).root;
}

FsGaugeSource DescribeFsDocument(const XmlNode& top, const FsSourceLimits& limits) {
    FsGaugeSource out;
    const RootPlace place = LocateRoot(top);
    if (place.root.IsEmpty()) return out;
    out.version = place.root.Attribute("version");
    out.fileName = FileNameOf(place);
    const XmlNode gauge = place.root.GetChildNode("SimGauge.Gauge");
    if (!gauge.IsEmpty()) Describer(limits, out).Gauge(gauge);
    return out;
}

bool ParseFsGauge(std::string_view text, FsGaugeSource& out, XmlResults* results,
                  const FsSourceLimits& limits) {
    XmlResults parsed;
    const XmlNode top = ParseString(text, nullptr, &parsed);
    if (parsed.error == kXmlNoError && FindFsRoot(top).IsEmpty()) {
        parsed.error = kXmlFirstTagNotFound;
        parsed.line = parsed.column = 1;
    }
    if (results) *results = parsed;
    if (parsed.error != kXmlNoError) return false;
    out = DescribeFsDocument(top, limits);
    return true;
}

std::pair<std::int32_t, std::int32_t> ParseFsPair(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return {ParseInt(text), 0};
    return {ParseInt(text.substr(0, comma)), ParseInt(text.substr(comma + 1))};
}

}  // namespace dw
