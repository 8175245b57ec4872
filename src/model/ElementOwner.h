#pragma once
// The window that shows elements (the editor canvas or the player). Elements point to their
// owner without owning it; the owner must outlive the elements that refer to it, or be
// replaced through CElement::SetRunMode first.
#include "model/Geometry.h"

namespace dw {

class FramePens;

class IElementOwner {
public:
    virtual ~IElementOwner() = default;

    // Asks for a later repaint of the area (client coordinates) without erasing it first.
    virtual void InvalidateRect(const Rect& area) = 0;

    // The top-left corner of the client area in screen coordinates.
    virtual Point ClientOriginOnScreen() const = 0;

    // The shared frame-drawing objects of the window, or null when it has none (the
    // player). Elements take them when they are created with this owner.
    virtual const FramePens* GetFramePens() const { return nullptr; }
};

}  // namespace dw
