#pragma once
// FontChoice (face, height in pixels, weight 100..900, style flags) to and from QFont.
// A negative height is the character height (the font's pixel size), a positive one the
// cell height (ascent plus descent), 0 the default size. Point sizes are taken at 96 dots
// per inch. Needs a QGuiApplication for the font metrics of cell heights.
#include <QFont>

#include "platform/Interaction.h"

namespace dw::qt {

inline constexpr int kLogicalDpi = 96;

QFont ToQFont(const FontChoice& choice);
// The face, size and style of font; the colour comes from `initial`. The height is always
// returned as a character height (negative) and the width as 0, the face's natural width.
FontChoice FromQFont(const QFont& font, const FontChoice& initial);

}  // namespace dw::qt
