#pragma once
// The canvas's left-button handling as one state machine: idle, moving the selection,
// drawing a rubber band, or resizing the primary element. It knows no widget: the canvas
// feeds it points in gauge pixels and the Ctrl state, and reads back the state, the outline
// to draw and the pointer shape to show.
#include "model/Geometry.h"

namespace dw {

class CElement;
class CGaugeDocument;
class IElementOwner;
class IGaugeHost;

class CanvasMouse {
public:
    enum class State { Idle, Moving, RubberBand, Resizing };
    enum class Cursor { Arrow, SizeAll, SizeDiagonal };

    // The smallest size an element is resized to with the mouse.
    static constexpr int kMinSize = 8;

    CanvasMouse(CGaugeDocument& doc, IGaugeHost& host, IElementOwner& canvas)
        : doc(doc), host(host), canvas(canvas) {}

    void Press(Point p, bool ctrl);
    void Move(Point p);
    void Release(Point p);
    // Ends whatever is going on without applying it (the window lost the mouse).
    void Cancel();

    State GetState() const { return state; }
    bool ButtonDown() const { return buttonDown; }
    // The rubber band or the resize outline.
    const Rect& TrackRect() const { return trackRect; }
    Cursor GetCursor() const { return cursor; }
    CElement* ResizeTarget() const { return resizeTarget; }
    bool KeepAspect() const { return keepAspect; }

private:
    void SelectOnPress(CElement* hit, bool ctrl);
    // Selects (or deselects) element and every other member of its group.
    void SelectWithGroup(CElement& element, bool on);
    void Invalidate(const Rect& r, int grow);

    CGaugeDocument& doc;
    IGaugeHost& host;
    IElementOwner& canvas;

    State state = State::Idle;
    bool buttonDown = false;
    Point downPoint;
    Rect trackRect;
    CElement* resizeTarget = nullptr;
    bool keepAspect = false;
    float aspect = 0.0f;  // height / width of the target when the resize began
    Cursor cursor = Cursor::Arrow;
};

}  // namespace dw
