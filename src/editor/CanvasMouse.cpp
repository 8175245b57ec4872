#include "editor/CanvasMouse.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "editor/EditContext.h"
#include "model/CGaugeDocument.h"
#include "model/ElementOwner.h"

namespace dw {

namespace {

Rect Grown(const Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

int TruncateToInt(double value) {
    const double t = std::trunc(value);
    if (!(t > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (!(t < std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(t);
}

}  // namespace

void CanvasMouse::Invalidate(const Rect& r, int grow) {
    canvas.InvalidateRect(Grown(r, grow));
}

void CanvasMouse::Press(Point p, bool ctrl) {
    aspect = 0.0f;
    keepAspect = false;
    buttonDown = true;
    bool moving = false;
    bool resizing = false;

    // The topmost element under the pointer wins, except that the primary element's resize
    // square ends the search where it is found.
    CElement* hit = nullptr;
    for (CElement& element : doc.elements) {
        if (resizing) break;
        element.BeginDrag(p.x, p.y);
        if (element.HitResizeHandle(p.x, p.y)) {
            hit = &element;
            resizing = true;
        }
        if (element.HitTest(p.x, p.y)) {
            hit = &element;
            moving = true;
        }
    }

    if (resizing) {
        keepAspect = ctrl;
        moving = false;
        resizeTarget = hit;
        const double w = hit->GetWidth();
        aspect = w != 0 ? static_cast<float>(hit->GetHeight() / w) : 1.0f;
        state = State::Resizing;
    } else {
        resizeTarget = nullptr;
        SelectOnPress(hit, ctrl);
        state = moving ? State::Moving : State::RubberBand;
        if (moving) {
            host.UpdateMenuStates();
            host.UpdateStatusLine();
            return;
        }
    }

    Invalidate(trackRect, 2);
    downPoint = p;
    trackRect = resizing ? Rect{hit->GetRect().left, hit->GetRect().top, p.x, p.y}
                         : Rect{p.x, p.y, p.x, p.y};
    host.UpdateMenuStates();
    host.UpdateStatusLine();
}

void CanvasMouse::SelectOnPress(CElement* hit, bool ctrl) {
    if (!ctrl && (hit == nullptr || !hit->IsSelected())) {
        for (CElement& element : doc.elements) {
            host.RecordUndo(undo::kSeparate);
            element.Deselect();
        }
    }
    if (hit == nullptr) return;
    const bool on = ctrl ? !hit->IsSelected() : true;
    hit->Select(on);
    if (hit->GetGroup() != 0) SelectWithGroup(*hit, on);
}

void CanvasMouse::SelectWithGroup(CElement& member, bool on) {
    const auto group = member.GetGroup();
    for (CElement& element : doc.elements) {
        host.RecordUndo(undo::kSeparate);
        if (element.GetGroup() == group) element.Select(on);
    }
}

void CanvasMouse::Move(Point p) {
    if (buttonDown && state == State::Moving) {
        cursor = Cursor::SizeAll;
        doc.modified = true;
        for (CElement& element : doc.elements) {
            if (!element.IsSelected() || element.locked) continue;
            host.RecordUndo(undo::kMove);
            element.DragTo(p.x, p.y);
        }
    } else if (buttonDown) {
        host.RecordUndo(undo::kSeparate);
        if (state == State::RubberBand || state == State::Resizing) {
            Invalidate(trackRect, 3);
            if (state == State::Resizing && resizeTarget != nullptr) {
                cursor = Cursor::SizeDiagonal;
                const Rect& target = resizeTarget->GetRect();
                trackRect = {target.left, target.top, std::max(target.left + kMinSize, p.x),
                             std::max(target.top + kMinSize, p.y)};
                if (keepAspect) {
                    // Single-precision arithmetic, as the aspect is kept.
                    const float bottom =
                        float(trackRect.right - trackRect.left) * aspect + float(trackRect.top);
                    trackRect.bottom = TruncateToInt(bottom);
                }
            } else {
                trackRect = {std::min(downPoint.x, p.x), std::min(downPoint.y, p.y),
                             std::max(downPoint.x, p.x), std::max(downPoint.y, p.y)};
            }
            Invalidate(trackRect, 0);
        }
    } else {
        cursor = Cursor::Arrow;
        for (CElement& element : doc.elements) {
            if (element.HitResizeHandle(p.x, p.y)) {
                cursor = Cursor::SizeDiagonal;
                break;
            }
            if (element.IsSelected() && element.HitTest(p.x, p.y)) cursor = Cursor::SizeAll;
        }
    }
}

void CanvasMouse::Release(Point p) {
    cursor = Cursor::Arrow;
    if (buttonDown && state == State::RubberBand) {
        for (CElement& element : doc.elements) {
            element.BeginDrag(p.x, p.y);
            const Rect& r = element.GetRect();
            if (trackRect.Contains(r.left, r.top) && trackRect.Contains(r.right, r.bottom) &&
                !element.IsSelected()) {
                element.Select(true);
                if (element.GetGroup() != 0) SelectWithGroup(element, true);
            }
        }
        Invalidate(trackRect, 1);
        host.UpdateMenuStates();
    }
    if (buttonDown && state == State::Resizing) {
        state = State::Idle;
        if (resizeTarget != nullptr) {
            host.RecordUndo(undo::kResize);
            const int w = trackRect.Width();
            const int h = keepAspect ? TruncateToInt(aspect * float(w)) : trackRect.Height();
            resizeTarget->SetWidth(w);
            resizeTarget->SetHeight(h);
            doc.modified = true;
        }
        Invalidate(trackRect, 0);
    }
    Cancel();
}

void CanvasMouse::Cancel() {
    buttonDown = false;
    aspect = 0.0f;
    keepAspect = false;
    state = State::Idle;
    resizeTarget = nullptr;
}

}  // namespace dw
