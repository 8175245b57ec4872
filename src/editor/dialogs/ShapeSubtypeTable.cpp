#include "editor/dialogs/ShapeSubtypeTable.h"

#include "render/ShapeRenderer.h"

namespace dw::dialogs {

namespace {
constexpr char kBorder[] = "Border width";
constexpr char kLine[] = "Line width";
constexpr char kStartPct[] = "Start angle (0%):";
constexpr char kEndPct[] = "End angle (100%):";
constexpr char kInitPct[] = "Init pos in %:";
constexpr char kInitDeg[] = "Init pos in \xBA:";
}  // namespace

const std::array<ShapeSubtypeLayout, 7>& ShapeSubtypeLayouts() {
    static const std::array<ShapeSubtypeLayout, 7> table = {{
        {"FillRect", kBorder, kStartPct, kEndPct, kInitPct, false, true, false, false},
        {"Pie", kBorder, kStartPct, kEndPct, kInitPct, true, true, false, false},
        {"ArcTo", kLine, kStartPct, kEndPct, kInitPct, true, false, true, false},
        {"ArcFrom", kLine, kStartPct, kEndPct, kInitPct, true, false, true, false},
        {"Radius", kLine, "Start (0.0-1.0):", "End (0.0-1.0):", kInitDeg, true, false, false,
         false},
        {"Bug", kLine, "Angle delta in \xBA:", "Radius delta in px:", kInitDeg, true, false, false,
         false},
        {"Scale", kLine, "Start angle in \xBA:", "End angle in \xBA:", "N\xBA of marks:", true,
         false, true, true},
    }};
    return table;
}

const ShapeSubtypeLayout& LayoutOfSubtype(const std::string& subtype) {
    for (const ShapeSubtypeLayout& row : ShapeSubtypeLayouts())
        if (subtype == row.subtype) return row;
    return ShapeSubtypeLayouts().front();
}

const std::array<const char*, 7>& ShapeStyleNames() {
    static const std::array<const char*, 7> names = {
        "Solid", "BDiagonal", "Cross", "DiagCross", "FDiagonal", "Horizontal", "Vertical"};
    return names;
}

const char* StyleNameOf(int style) {
    for (const char* name : ShapeStyleNames())
        if (StyleFromName(name) == style && style != -1) return name;
    return "Solid";
}

}  // namespace dw::dialogs
