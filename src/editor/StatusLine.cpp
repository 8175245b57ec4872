#include "editor/StatusLine.h"

#include <algorithm>
#include <cstdio>

namespace dw {

std::string StatusLineText(const ElementList& elements, Point pointer, const Rect* resizeOutline) {
    int total = 0;
    int selected = 0;
    Rect bounds;
    float turn = 0.0f;
    std::string name;
    for (const CElement& element : elements) {
        ++total;
        if (!element.IsSelected()) continue;
        const Rect& r = element.GetRect();
        if (selected == 0) {
            bounds = r;
            turn = static_cast<float>(element.runRotation);
            name = element.GetDisplayName();
        } else {
            bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                      std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
        }
        ++selected;
    }
    if (resizeOutline != nullptr) bounds = *resizeOutline;

    char head[96];
    std::snprintf(head, sizeof head, "X=%d, Y=%d    SELECTED: %d/%d", pointer.x, pointer.y,
                  selected, total);
    if (selected == 0) return head;
    char box[160];
    std::snprintf(box, sizeof box, ", (X=%d, Y=%d, W=%d, H=%d, R=%3.2f)", bounds.left, bounds.top,
                  bounds.Width(), bounds.Height(), static_cast<double>(turn));
    std::string text = std::string(head) + box;
    if (selected == 1) text += "\r\n" + name;
    return text;
}

}  // namespace dw
