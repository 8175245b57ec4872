#pragma once
// Bounds on what a gauge file, fragment or snapshot may ask for. Sizes and positions beyond
// them are clamped on reading, so that whatever the program writes it can read back; only a
// document with too many elements is refused as a whole. How much surface memory the
// elements may take together is the surface budget's matter (model/SurfaceBudget.h).
#include <cstdint>

namespace dw {

// Largest width and height of an element, read from a file or set by an editing command or
// a script, and of the bitmaps it draws from.
inline constexpr std::int32_t kMaxElementSide = 16384;

struct GaugeLimits {
    // Elements in one file, fragment or snapshot.
    std::int64_t maxElements = 50000;
    // Width and height of one element, in pixels: values are clamped to 0 .. maxElementSide
    // (0 is allowed: an image then takes the picture's own size).
    std::int32_t maxElementSide = kMaxElementSide;
    // |left| and |top| are clamped to this: keeps every later move and size computation far
    // from overflow.
    std::int32_t maxCoordinate = 1 << 24;
};

}  // namespace dw
