// Golden images of every basic graph subtype and of the text layouts. Shapes are drawn
// without anti-aliasing and must match exactly; texts may differ slightly where the font
// rasteriser smooths edges.
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/ShapeRenderer.h"
#include "render/TextRenderer.h"

namespace {

using dw::ShapeParams;

TEST(Golden, EveryShapeSubtype) {
    struct Case {
        const char* name;
        int w, h;
        ShapeParams params;
    };
    using rendertest::Params;
    const Case cases[] = {
        {"fillrect_border", 60, 40,
         Params("FillRect", 0, 0, 0,
                {.colorF = 0x00A000, .borderColor = 0x00FFFF, .borderWidth = 4})},
        {"fillrect_cross", 40, 24,
         Params("FillRect", 0, 0, 0,
                {.colorF = 0xFFFFFF, .color = 0x800000, .style = 4, .borderWidth = 0})},
        {"pie", 81, 81, Params("Pie", 0, 360, 30, {.colorF = 0x0080FF, .borderWidth = 2})},
        {"pie_hatched_through_zero", 81, 81,
         Params("Pie", 270, 90, 75, {.colorF = 0xFFFF00, .color = 0x202020, .style = 2})},
        {"arcto_marks", 101, 101,
         Params("ArcTo", 225, 135, 60,
                {.borderColor = 0x00FF00, .borderWidth = 3, .startmark = 0.15f, .endmark = -0.3f})},
        {"arcfrom", 101, 101, Params("ArcFrom", 0, 270, 40, {.startmark = -0.2f, .endmark = 0.1f})},
        {"arcto_full_wide", 160, 60, Params("ArcTo", 0, 360, 100)},
        {"radius", 101, 101,
         Params("Radius", 0.1f, 0.9f, 30, {.borderColor = 0x0000FF, .borderWidth = 3})},
        {"bug", 101, 101, Params("Bug", 12, 15, 60, {.borderColor = 0x00FFFF, .borderWidth = 2})},
        {"scale", 101, 101, Params("Scale", 225, 135, 11, {.witharc = true, .startmark = -0.15f})},
        {"scale_full_circle", 101, 101,
         Params("Scale", 0, 360, 12, {.borderWidth = 2, .startmark = -0.1f, .endmark = 0.05f})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rendertest::CompareGolden(rendertest::Shape(c.params, c.w, c.h),
                                            std::string("shape_") + c.name),
                  "");
}

// Text goldens allow a few smoothed edge pixels to differ.
std::string TextGolden(const dw::TextParams& p, const char* s, int w, int h, std::string name) {
    QImage image = rendertest::Black(w, h);
    dw::RenderText(image, p, s, w, h);
    return rendertest::CompareGolden(image, name, 48, 12);
}

dw::TextParams Sans(int position) {
    dw::TextParams p;
    p.font.face = "DejaVu Sans";
    p.font.height = -14;
    p.position = position;
    return p;
}

TEST(Golden, TextLayouts) {
    for (int position : {0, 1, 2, 4, 5, 6, 8, 9, 10}) {
        dw::TextParams p = Sans(position);
        p.colorF = 0x402000;
        EXPECT_EQ(TextGolden(p, "Ab12", 90, 40, "text_align_" + std::to_string(position)), "");
    }
    EXPECT_EQ(TextGolden(Sans(5), "A\nBBB", 90, 60, "text_two_lines"), "");
    dw::TextParams lcd;  // "DW_LCD", -13, white on black
    lcd.borderWidth = 4;
    lcd.borderColor = 0x808080;
    lcd.position = 2 + 4;
    EXPECT_EQ(TextGolden(lcd, "123.45", 120, 32, "text_lcd_border"), "");
    dw::TextParams plain;
    plain.font.height = -20;
    plain.color = 0x00FF00;
    EXPECT_EQ(TextGolden(plain, "-88.8", 140, 30, "text_lcd_plain"), "");
}

}  // namespace
