#pragma once
// The font of a text element, from its font description.
#include <QFont>
#include <string>

namespace dw {

// The font fields of a text element. height follows the usual font-mapping convention:
// negative = character height in pixels, positive = height of the character cell, 0 = the
// default size; width is the average character width, 0 for the font's own; weight 400 is
// normal and 700 bold; style is the sum of 1 italic, 2 strike-out and 4 underline.
struct FontDescription {
    std::string face = "DW_LCD";
    int height = -13;
    int width = 0;
    int weight = 400;
    int style = 0;
};

// Face names longer than this are cut to it, as a font description holds no more.
inline constexpr std::size_t kMaxFaceName = 31;
// Character heights and widths are kept within this many pixels.
inline constexpr int kMaxFontPixels = 2000;

// The face name "DW_LCD" stands for the seven-segment display font; it is mapped to an
// installed seven-segment family (DSEG7) when there is one. Other names pass unchanged.
inline constexpr char kLcdFaceName[] = "DW_LCD";
QString MapFaceName(const std::string& face);

// The font of a description (needs a QGuiApplication).
QFont MakeFont(const FontDescription& description);

}  // namespace dw
