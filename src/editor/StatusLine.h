#pragma once
// The status line of the canvas: the pointer position, how many elements are selected of
// how many, and for a selection its bounding rectangle, the first selected element's turn
// and (for one element) its name.
#include <string>

#include "model/ElementList.h"
#include "model/Geometry.h"

namespace dw {

// While resizing, `resizeOutline` replaces the selection's rectangle.
std::string StatusLineText(const ElementList& elements, Point pointer,
                           const Rect* resizeOutline = nullptr);

}  // namespace dw
