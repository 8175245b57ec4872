#pragma once
// Drawing of a text element's content from plain parameters: background or border box,
// then the text in its box, aligned, clipped to the box.
#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRect>
#include <string>

#include "platform/Interaction.h"
#include "render/TextFont.h"

namespace dw {

struct TextParams {
    FontDescription font;
    int position =
        0;  // horizontal 0 left, 1 centre, 2 right; plus vertical 0 top, 4 centre, 8 bottom
    Colour color = 0xFFFFFF;  // text
    Colour colorF = 0;        // background
    Colour borderColor = 0;
    int borderWidth = 0;  // 0: no border
};

// The box the text is laid out in, for an element of w x h pixels. With a border of width bw
// (b = bw / 2) it runs from (b + 3, b + 2) to (w - 3 - bw, h - 2 - bw), right and bottom
// excluded; without one it is the whole element.
QRect TextBox(int w, int h, int borderWidth);

// The Qt alignment and layout flags of a text: the alignment of position (only its low four
// bits count), tabs expanded, and one line when the text has no line feed; a text with line
// feeds is laid out from the top whatever its vertical alignment.
int TextLayoutFlags(int position, bool hasLineFeed);

// Draws s for an element of w x h pixels onto target: the border rectangle filled with the
// background (or the background over the whole element), then the text in color, clipped to
// its box, without a background of its own.
void RenderText(QImage& target, const TextParams& params, const std::string& s, int w, int h);
// The same with a font made before (MakeFont(params.font)), for callers that keep it.
void RenderText(QImage& target, const TextParams& params, const QFont& font, const std::string& s,
                int w, int h);

// What a text is painted with, made once per change of its font or colours by callers that
// print often: the font (MakeFont(params.font)), the pen of color and the brush of colorF.
struct TextTools {
    QFont font;
    QPen pen;
    QBrush fill;
};
TextTools MakeTextTools(const TextParams& params, const QFont& font);
// The same with those tools.
void RenderText(QImage& target, const TextParams& params, const TextTools& tools,
                const std::string& s, int w, int h);

}  // namespace dw
