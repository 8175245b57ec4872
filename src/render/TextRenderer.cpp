#include "render/TextRenderer.h"

#include <QPainter>
#include <algorithm>

#include "model/ColourConvert.h"
#include "render/ShapeRenderer.h"
#include "render/SingleLineText.h"

namespace dw {

namespace {

constexpr int kMaxTextSide = 1 << 20;

}  // namespace

QRect TextBox(int w, int h, int borderWidth) {
    if (borderWidth == 0) return QRect(0, 0, w, h);
    const int b = borderWidth / 2;
    const int left = b + 3;
    const int top = b + 2;
    const int right = w - 3 - borderWidth;
    const int bottom = h - 2 - borderWidth;
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

int TextLayoutFlags(int position, bool hasLineFeed) {
    int flags = Qt::TextExpandTabs;
    const int horizontal = position & 3;
    if (horizontal == 1 || horizontal == 3)
        flags |= Qt::AlignHCenter;
    else if (horizontal == 2)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    const int vertical = position & 12;
    if (hasLineFeed) {
        flags |= Qt::AlignTop;
    } else {
        flags |= Qt::TextSingleLine;
        if (vertical == 4 || vertical == 12)
            flags |= Qt::AlignVCenter;
        else if (vertical == 8)
            flags |= Qt::AlignBottom;
        else
            flags |= Qt::AlignTop;
    }
    return flags;
}

void RenderText(QImage& target, const TextParams& params, const std::string& s, int w, int h) {
    if (target.isNull()) return;
    RenderText(target, params, MakeFont(params.font), s, w, h);
}

void RenderText(QImage& target, const TextParams& params, const QFont& font, const std::string& s,
                int w, int h) {
    if (target.isNull()) return;
    RenderText(target, params, MakeTextTools(params, font), s, w, h);
}

TextTools MakeTextTools(const TextParams& params, const QFont& font) {
    return TextTools{font, QPen(ToQColor(params.color)), QBrush(ToQColor(params.colorF))};
}

void RenderText(QImage& target, const TextParams& params, const TextTools& tools,
                const std::string& s, int w, int h) {
    if (target.isNull()) return;
    w = std::clamp(w, 0, kMaxTextSide);
    h = std::clamp(h, 0, kMaxTextSide);
    const int bw = std::clamp(params.borderWidth, 0, kMaxPenWidth);
    QPainter painter(&target);
    // A new painter does not anti-alias; the border and background are drawn as they are.
    if (bw != 0) {
        const int b = bw / 2;
        painter.setPen(MakeBorderPen(bw, params.borderColor));
        painter.setBrush(tools.fill);
        // A stroked QRect covers its width plus one: the outline runs from b to w - bw - 1.
        const QRect outline(b, b, w - bw - 1 - b, h - bw - 1 - b);
        if (outline.width() > 0 && outline.height() > 0) painter.drawRect(outline);
    } else {
        painter.fillRect(QRect(0, 0, w, h), tools.fill);
    }

    const bool multiLine = s.find('\n') != std::string::npos;
    QString text = QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    if (multiLine) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    const QRect box = TextBox(w, h, bw);
    if (box.isEmpty()) return;
    // A box over the whole image clips nothing.
    if (box != target.rect()) painter.setClipRect(box);
    painter.setPen(tools.pen);
    const int flags = TextLayoutFlags(params.position, multiLine);
    if (DrawSingleLine(painter, tools.font, box, flags, text)) return;
    painter.setFont(tools.font);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(box, flags, text);
}

}  // namespace dw
