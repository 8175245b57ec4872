#include "render/SingleLineText.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>

#include "render/LineShapeCache.h"

namespace dw {

namespace {

// From this pixel size on the painter draws glyphs as outlines rather than from its glyph cache;
// those texts are left to drawText.
constexpr int kMaxCachedGlyphPixels = 64;

constexpr int kHandledFlags = (Qt::AlignHorizontal_Mask & ~Qt::AlignJustify & ~Qt::AlignAbsolute) |
                              (Qt::AlignVertical_Mask & ~Qt::AlignBaseline) | Qt::TextSingleLine |
                              Qt::TextExpandTabs;

bool HandledCharacters(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD || u > 0xFF) return false;
    }
    return true;
}

bool Handled(const QPainter& painter, const QFont& font, int flags, const QString& text) {
    return (flags & ~kHandledFlags) == 0 && (flags & Qt::TextSingleLine) != 0 &&
           painter.layoutDirection() != Qt::RightToLeft &&
           painter.worldTransform().type() == QTransform::TxNone &&
           painter.pen().style() != Qt::NoPen && !font.underline() && !font.strikeOut() &&
           !font.overline() && font.pixelSize() > 0 && font.pixelSize() < kMaxCachedGlyphPixels &&
           HandledCharacters(text);
}

// Lays the text out as one line the way drawText does: left-to-right, left-aligned within a
// line wider than any text, positioned at the origin.
std::shared_ptr<const ShapedLine> Shape(const QFont& font, const QString& text) {
    auto shaped = std::make_shared<ShapedLine>();
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);  // else the glyphs are shaped again for glyphRuns()
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return shaped;
    }
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0.0, 0.0));
    const bool oneLine = !layout.createLine().isValid();
    layout.endLayout();
    shaped->advance = line.horizontalAdvance();
    shaped->width = line.naturalTextWidth();
    shaped->height = line.ascent() + line.descent();
    const QRawFont own = QRawFont::fromFont(font);
    bool drawable = oneLine && own.isValid();
    for (const QGlyphRun& run : line.glyphRuns()) {
        if (!(run.rawFont() == own) || run.flags() != QGlyphRun::GlyphRunFlags()) drawable = false;
        shaped->glyphs.append(run.glyphIndexes());
        shaped->positions.append(run.positions());
    }
    shaped->drawable = drawable && shaped->glyphs.size() == shaped->positions.size();
    return shaped;
}

// A position in whole 1/64 pixels, truncated as the text engine stores it.
qreal Fixed(qreal value) {
    return std::trunc(value * 64.0) / 64.0;
}

}  // namespace

bool DrawSingleLine(QPainter& painter, const QFont& font, const QRect& box, int flags,
                    const QString& text) {
    if (!Handled(painter, font, flags, text)) return false;
    if (text.isEmpty()) return true;  // drawText draws nothing either
    LineShapeCache& cache = LineShapeCache::Instance();
    const LineFontKey key = LineFontKey::Of(font);
    const LineShapeCache::Lookup found = cache.Find(key, text);
    // A string printed for the first time is drawn the plain way: shaping it for the cache as
    // well would cost more than that, and many strings never come back.
    if (!found.seen) return false;
    std::shared_ptr<const ShapedLine> line = found.line;
    if (!line) {
        line = Shape(font, text);
        cache.Keep(key, text, line);
    }
    if (!line->drawable) return false;

    const QRectF r(box);
    qreal xoff = 0.0;
    if (flags & Qt::AlignRight)
        xoff = r.width() - line->advance;
    else if (flags & Qt::AlignHCenter)
        xoff = (r.width() - line->advance) / 2;
    qreal yoff = 0.0;
    if (flags & Qt::AlignBottom)
        yoff = r.height() - line->height;
    else if (flags & Qt::AlignVCenter)
        yoff = (r.height() - line->height) / 2;

    QGlyphRun run;
    run.setRawFont(QRawFont::fromFont(font));
    run.setGlyphIndexes(line->glyphs);
    run.setPositions(line->positions);
    painter.drawGlyphRun(QPointF(Fixed(r.x() + xoff), Fixed(r.y() + yoff)), run);
    return true;
}

}  // namespace dw
