#pragma once
// A quicker way to draw a text of one line: the line is shaped once per font and string (see
// LineShapeCache) and its glyphs drawn where QPainter::drawText would put them.
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace dw {

// Draws text as painter.drawText(box, flags, text) would with font as the painter's font, pixel
// for pixel, and returns true; or draws nothing and returns false for what it does not handle
// (line feeds, tabs, control characters, underlined or struck-out fonts, fonts too large for
// the glyph cache, glyphs from a fallback face, a transformed or right-to-left painter) and for
// a string it has not been given before with that font (see LineShapeCache::Find).
// The painter must be clipped to box, or box cover its whole device (drawText clips a text that
// overflows its box); it keeps its font, and its pen gives the text colour.
bool DrawSingleLine(QPainter& painter, const QFont& font, const QRect& box, int flags,
                    const QString& text);

}  // namespace dw
