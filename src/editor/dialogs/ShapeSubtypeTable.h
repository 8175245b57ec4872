#pragma once
// What the basic graph dialog shows for each shape: the labels of the width and of the three
// value fields, and which controls the shape uses. Labels are 8-bit text (0xBA is the
// ordinal indicator shown as a degree sign).
#include <array>
#include <string>

namespace dw::dialogs {

struct ShapeSubtypeLayout {
    const char* subtype;
    const char* widthLabel;
    const char* startLabel;
    const char* endLabel;
    const char* initLabel;
    bool valuesEnabled;          // the start, end and init fields
    bool colourAndStyleEnabled;  // "Color" and the style list
    bool marksEnabled;
    bool arcEnabled;  // "Draw the arc"
};

// In the order of the subtype list.
const std::array<ShapeSubtypeLayout, 7>& ShapeSubtypeLayouts();
// The row of a subtype; the first row ("FillRect") for a name not in the table.
const ShapeSubtypeLayout& LayoutOfSubtype(const std::string& subtype);

// The names of the style list, in order; and the name of a style number ("Solid" for any
// number that is not a hatch).
const std::array<const char*, 7>& ShapeStyleNames();
const char* StyleNameOf(int style);

}  // namespace dw::dialogs
