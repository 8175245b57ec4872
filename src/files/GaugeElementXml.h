#pragma once
// The parts of an "element" node that every kind reads and writes alike: the program
// children (one CDATA section each) and the rectangle ("left", "top", "right", "width",
// "height").
#include <cstdint>
#include <string>

#include "files/GaugeLimits.h"
#include "files/XmlNode.h"

namespace dw {

// Child names of the two programs.
inline constexpr const char* kMainProgramChild = "program";
inline constexpr const char* kClickProgramChild = "program_lbup";

// The first clear section of the named child ("" when the child or the section is missing),
// ending with "\r\n". When that section is CDATA, the CDATA sections after it are joined to
// it: that is how a program holding "]]>" is stored.
std::string ReadProgramChild(const XmlNode& element, const char* childName);
// Appends the named child holding the program in one CDATA section (several when the
// program holds "]]>", split after each "]]").
void AddProgramChild(XmlNode& element, const char* childName, const std::string& program);

// Where an element lies: "left", "top", "width" and "height" ("right" is never read).
struct ElementGeometry {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    std::int64_t Pixels() const { return std::int64_t{width} * height; }
};
ElementGeometry ReadElementGeometry(const XmlNode& element);
// The geometry made buildable: width and height within 0 .. maxElementSide (negative sizes
// become 0), left and top within -maxCoordinate .. maxCoordinate.
ElementGeometry ClampGeometry(const ElementGeometry& geometry, const GaugeLimits& limits = {});

// Appends "left", "top", "right", "width" and "height" in this order. "right" is written as
// left + 2 * ((right - left) / 2), the division truncating toward zero.
void AddGeometryAttributes(XmlNode& element, std::int32_t left, std::int32_t top,
                           std::int32_t right, std::int32_t width, std::int32_t height);

}  // namespace dw
