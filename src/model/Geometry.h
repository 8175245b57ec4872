#pragma once
// Points and rectangles in client-area pixels of the owning window. A rectangle holds its
// left and top edges and excludes its right and bottom edges, like the gauge file stores it.
#include <QPoint>
#include <QRect>

namespace dw {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // Left and top inclusive, right and bottom exclusive.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // True when the two rectangles share at least one pixel.
    bool Intersects(const Rect& other) const {
        return (left > other.left ? left : other.left) <
                   (right < other.right ? right : other.right) &&
               (top > other.top ? top : other.top) <
                   (bottom < other.bottom ? bottom : other.bottom);
    }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}
inline Rect FromQRect(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}
inline QPoint ToQPoint(const Point& p) {
    return QPoint(p.x, p.y);
}

}  // namespace dw
