#include "files/GaugeElementXml.h"

#include <algorithm>

#include "files/AttributeCodec.h"

namespace dw {

namespace {

constexpr const char* kCdataOpen = "<![CDATA[";
constexpr const char* kCdataClose = "]]>";

}  // namespace

std::string ReadProgramChild(const XmlNode& element, const char* childName) {
    const XmlNode child = element.GetChildNode(childName);
    const XmlClear first = child.GetClear(0);
    std::string program = first.value;
    // A program holding "]]>" is written as several CDATA sections; they are joined again.
    if (first.openMark == kCdataOpen) {
        for (int i = 1; i < child.ClearCount(); ++i) {
            const XmlClear next = child.GetClear(i);
            if (next.openMark != kCdataOpen) break;
            program += next.value;
        }
    }
    return EnsureCrLf(std::move(program));
}

void AddProgramChild(XmlNode& element, const char* childName, const std::string& program) {
    XmlNode child = element.AddChild(childName);
    // A CDATA section ends at the first "]]>": such a program is split after its "]]", so
    // that no section holds the closing mark.
    std::size_t start = 0;
    for (std::size_t at = program.find(kCdataClose); at != std::string::npos;
         at = program.find(kCdataClose, at + 1)) {
        child.AddClear(program.substr(start, at + 2 - start), kCdataOpen, kCdataClose);
        start = at + 2;
    }
    child.AddClear(program.substr(start), kCdataOpen, kCdataClose);
}

ElementGeometry ReadElementGeometry(const XmlNode& element) {
    ElementGeometry g;
    g.left = ParseInt(element.Attribute("left"));
    g.top = ParseInt(element.Attribute("top"));
    g.width = ParseInt(element.Attribute("width"));
    g.height = ParseInt(element.Attribute("height"));
    return g;
}

ElementGeometry ClampGeometry(const ElementGeometry& g, const GaugeLimits& limits) {
    ElementGeometry clamped;
    clamped.left = std::clamp(g.left, -limits.maxCoordinate, limits.maxCoordinate);
    clamped.top = std::clamp(g.top, -limits.maxCoordinate, limits.maxCoordinate);
    clamped.width = std::clamp(g.width, 0, limits.maxElementSide);
    clamped.height = std::clamp(g.height, 0, limits.maxElementSide);
    return clamped;
}

void AddGeometryAttributes(XmlNode& element, std::int32_t left, std::int32_t top,
                           std::int32_t right, std::int32_t width, std::int32_t height) {
    const std::int64_t span = std::int64_t{right} - left;
    element.AddAttribute("left", FormatInt(left));
    element.AddAttribute("top", FormatInt(top));
    element.AddAttribute("right", FormatInt(left + 2 * (span / 2)));
    element.AddAttribute("width", FormatInt(width));
    element.AddAttribute("height", FormatInt(height));
}

}  // namespace dw
