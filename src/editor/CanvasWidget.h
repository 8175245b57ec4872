#pragma once
// The editing canvas: the window's client area. It composes everything in a back buffer of
// one gauge pixel per device pixel (the elements in list order, the rubber band or resize
// outline, the status line in its 30-pixel band) and copies the changed part to the screen,
// so nothing flickers. Mouse, wheel, key and drop events go to the left-button state machine
// and to the window (ICanvasEvents).
#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "editor/CanvasMouse.h"
#include "model/Geometry.h"
#include "platform/Interaction.h"

namespace dw {

class CGaugeDocument;
class FramePens;

// How far an element may draw beyond its rectangle: opaque surfaces are copied one pixel
// wider and higher, selection frames are 2-pixel lines on the rectangle's edge.
inline constexpr int kDrawMargin = 2;
inline Rect Grow(const Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

// Gauge pixels are device pixels: a logical position times the device pixel ratio, rounded
// down; a gauge area in logical pixels covers every logical pixel it touches.
Point GaugeFromLogical(const QPointF& logical, qreal scale);
QRect LogicalFromGauge(const Rect& gauge, qreal scale);

// What the canvas hands to its window.
class ICanvasEvents {
public:
    virtual ~ICanvasEvents() = default;
    // Any key press; the window handles the canvas keys and hot keys.
    virtual void CanvasKey(int qtKey, Qt::KeyboardModifiers modifiers) = 0;
    virtual void CanvasDoubleClick() = 0;
    // Right button released: the Edit menu opens at that global position.
    virtual void CanvasContextMenu(const QPoint& globalPos) = 0;
    virtual void CanvasWheel(bool forward) = 0;
    virtual void CanvasDrop(const std::vector<std::string>& paths) = 0;
    // After every mouse event (the pointer is then at the canvas's PointerPosition()).
    virtual void CanvasPointerChanged() = 0;
};

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    // Height of the status band at the bottom, in gauge pixels.
    static constexpr int kStatusBand = 30;

    CanvasWidget(CGaugeDocument& doc, CanvasMouse& mouse, const FramePens& pens,
                 ICanvasEvents& events, QWidget* parent = nullptr);

    // Gauge pixels per logical pixel (the device pixel ratio).
    qreal Scale() const;
    // A logical widget position in gauge pixels, and back.
    Point ToGauge(const QPointF& logical) const;
    QRect ToLogical(const Rect& gauge) const;
    // The client area in gauge pixels.
    Rect GaugeClientRect() const;
    // The last pointer position seen, in gauge pixels.
    Point PointerPosition() const { return pointer; }

    // Asks for a later repaint of a gauge-pixel area.
    void InvalidateGauge(const Rect& area);
    void SetBackground(Colour background);
    void SetStatusText(const std::string& text);
    const std::string& StatusText() const { return statusText; }

    // The back buffer as last composed (for tests and benchmarks).
    const QImage& BackBuffer() const { return backBuffer; }
    // Composes the gauge-pixel area into the back buffer (what a paint does before copying).
    void Compose(const QRect& gaugeArea);

    QSize sizeHint() const override { return QSize(800, 600); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Tab and Shift+Tab are canvas keys, never focus moves.
    bool focusNextPrevChild(bool next) override;

private:
    void EnsureBuffer();
    void DrawOutline(QPainter& painter) const;
    void DrawStatus(QPainter& painter) const;
    void ApplyCursor();
    QRect StatusBandRect() const;

    CGaugeDocument& doc;
    CanvasMouse& mouse;
    const FramePens& pens;
    ICanvasEvents& events;

    QImage backBuffer;
    Colour background = 0x808080;
    std::string statusText;
    Point pointer;
};

}  // namespace dw
