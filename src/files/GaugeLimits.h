#pragma once
// Bounds on what a gauge file, fragment or snapshot may ask for. Every element owns drawing
// surfaces of its rectangle's size, so sizes and counts are bounded before anything is
// built; a file beyond these bounds is refused as a whole.
#include <cstdint>

namespace dw {

struct GaugeLimits {
    // Elements in one file, fragment or snapshot.
    std::int64_t maxElements = 50000;
    // Width and height of one element, in pixels (0 is allowed: an image then takes the
    // picture's own size).
    std::int32_t maxElementSide = 16384;
    // Width x height of one element.
    std::int64_t maxElementPixels = 16LL * 1024 * 1024;
    // Sum of width x height over the elements of one file, fragment or snapshot.
    std::int64_t maxTotalPixels = 64LL * 1024 * 1024;
    // |left| and |top|: keeps every later move and size computation far from overflow.
    std::int32_t maxCoordinate = 1 << 24;
};

}  // namespace dw
