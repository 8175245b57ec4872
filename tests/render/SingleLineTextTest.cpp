// Printed texts drawn through the shaped-line path must equal QPainter::drawText pixel for
// pixel, over generated strings, alignments, borders, box sizes and fonts.
#include <gtest/gtest.h>
#include <QFontDatabase>
#include <string>
#include <thread>
#include <vector>

#include "RenderTestSupport.h"
#include "render/SingleLineText.h"
#include "render/TextRenderer.h"

namespace {

using namespace rendertest;

// The text drawn the plain way over the element's background and border.
QImage Reference(const dw::TextParams& p, const QFont& font, const std::string& s, int w, int h) {
    QImage image = Black(w, h);
    dw::RenderText(image, p, font, "", w, h);
    const QRect box = dw::TextBox(w, h, p.borderWidth);
    if (box.isEmpty()) return image;
    QPainter painter(&image);
    painter.setClipRect(box);
    painter.setFont(font);
    painter.setPen(dw::ToQColor(p.color));
    painter.drawText(box, dw::TextLayoutFlags(p.position, false), QString::fromLatin1(s));
    return image;
}

bool TakesTheShapedPath(const QFont& font, const std::string& s, int position) {
    QImage scratch = Black(40, 20);
    QPainter painter(&scratch);
    painter.setClipRect(scratch.rect());
    return dw::DrawSingleLine(painter, font, scratch.rect(), dw::TextLayoutFlags(position, false),
                              QString::fromLatin1(s));
}

TEST(SingleLineText, EqualsDrawTextPixelForPixel) {
    const std::string numbers[] = {"0", "123.45", "-7.5", "099.9", " 12", "12  ", "1 0", "  "};
    const std::string words[] = {"",
                                 "AV",
                                 "To",
                                 "fi",
                                 "AVATAR Tov.",
                                 "Wave -1,5%",
                                 "x\xAD y",
                                 "\xC0\xE9\xEE\xF5\xFC \xC7\xD1\xDF\xE6",
                                 "a\tb",
                                 "\xA0V\xA0"};
    std::vector<std::string> strings(std::begin(numbers), std::end(numbers));
    strings.insert(strings.end(), std::begin(words), std::end(words));
    const std::string sans =
        QFontDatabase::systemFont(QFontDatabase::GeneralFont).family().toStdString();
    const dw::FontDescription fonts[] = {{sans, -13, 0, 400, 0},     {sans, -9, 0, 700, 0},
                                         {sans, 20, 0, 400, 1},      {sans, -27, 6, 300, 0},
                                         {sans, -80, 0, 400, 0},     {"DW_LCD", -13, 0, 400, 0},
                                         {"DW_LCD", -24, 0, 700, 0}, {"DW_LCD", 31, 0, 400, 1}};
    int cases = 0, taken = 0;
    for (std::size_t f = 0; f < std::size(fonts); ++f) {
        const QFont font = dw::MakeFont(fonts[f]);
        for (int n = 0; n < 16 * 3 + static_cast<int>(strings.size()); ++n) {
            // Every position with every border, then every string; boxes wide and narrow.
            const int position = n < 48 ? n % 16 : (n * 5 + static_cast<int>(f)) % 16;
            const int border = n < 48 ? (n / 16 == 2 ? 3 : n / 16) : n % 3;
            const std::string& s = strings[(n + f) % strings.size()];
            const int w = n % 2 ? 17 + 3 * static_cast<int>(f) : 160;
            const int h = fonts[f].height == -80 ? 100 : n % 3 ? 14 : 40;
            const dw::TextParams p{.font = fonts[f],
                                   .position = position,
                                   .color = n % 4 ? 0xF0F0F0u : 0x2080FFu,
                                   .colorF = 0x102030,
                                   .borderColor = 0x00FF00,
                                   .borderWidth = border};
            // Printed twice, as a gauge does: a string is shaped from its second print on.
            QImage image = Black(w, h);
            dw::RenderText(image, p, font, s, w, h);
            dw::RenderText(image, p, font, s, w, h);
            const bool shaped = TakesTheShapedPath(font, s, position);
            ++cases;
            taken += shaped;
            ASSERT_EQ(image, Reference(p, font, s, w, h))
                << "\"" << s << "\" font " << f << " position " << position << " border " << border
                << " box " << w << "x" << h << (shaped ? " (shaped)" : "");
            // Numbers in a cached glyph size always take the shaped path.
            const bool number = s.find_first_not_of("0123456789.- ") == std::string::npos;
            if (number && fonts[f].height != -80) {
                EXPECT_TRUE(shaped) << "\"" << s << "\" font " << f;
            }
        }
    }
    EXPECT_GT(taken, cases * 2 / 3) << taken << " of " << cases;
}

// The shaped lines are shared: two threads printing the same numbers at once (the frame thread
// and the window thread of a run could) each get the plain drawing's pixels.
TEST(SingleLineText, TwoThreadsShareTheShapedLines) {
    const dw::TextParams p{.font = {"DW_LCD", -15, 0, 400, 0}, .position = 5};
    std::vector<int> wrong(2, 0);
    auto print = [&](int thread) {
        const QFont font = dw::MakeFont(p.font);
        for (int n = 0; n < 300; ++n) {
            const std::string s = std::to_string((n * 7 + thread) % 150) + ".5";
            QImage image = Black(60, 20);
            dw::RenderText(image, p, font, s, 60, 20);
            wrong[thread] += image != Reference(p, font, s, 60, 20);
        }
    };
    std::thread other(print, 1);
    print(0);
    other.join();
    EXPECT_EQ(wrong, std::vector<int>(2, 0));
}

}  // namespace
