#include "editor/CanvasWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>
#include <cmath>

#include "model/CGaugeDocument.h"
#include "model/FramePens.h"
#include "platform/AppSettings.h"
#include "platform/qt/QtText.h"

namespace dw {

namespace {

QColor ColourOf(Colour c) {
    return qt::ToQColor(c);
}

// The status font: "Arial" with a 12-pixel cell.
QFont StatusFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

}  // namespace

CanvasWidget::CanvasWidget(CGaugeDocument& doc, CanvasMouse& mouse, const FramePens& pens,
                           ICanvasEvents& events, QWidget* parent)
    : QWidget(parent), doc(doc), mouse(mouse), pens(pens), events(events) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the back buffer covers everything
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
    background = doc.backColor;
}

qreal CanvasWidget::Scale() const {
    return devicePixelRatioF();
}

Point GaugeFromLogical(const QPointF& logical, qreal scale) {
    return {static_cast<int>(std::floor(logical.x() * scale)),
            static_cast<int>(std::floor(logical.y() * scale))};
}

QRect LogicalFromGauge(const Rect& gauge, qreal scale) {
    const int left = static_cast<int>(std::floor(gauge.left / scale));
    const int top = static_cast<int>(std::floor(gauge.top / scale));
    const int right = static_cast<int>(std::ceil(gauge.right / scale));
    const int bottom = static_cast<int>(std::ceil(gauge.bottom / scale));
    return QRect(left, top, right - left, bottom - top);
}

Point CanvasWidget::ToGauge(const QPointF& logical) const {
    return GaugeFromLogical(logical, Scale());
}

QRect CanvasWidget::ToLogical(const Rect& gauge) const {
    return LogicalFromGauge(gauge, Scale());
}

Rect CanvasWidget::GaugeClientRect() const {
    const qreal scale = Scale();
    return {0, 0, static_cast<int>(std::lround(width() * scale)),
            static_cast<int>(std::lround(height() * scale))};
}

QRect CanvasWidget::StatusBandRect() const {
    const Rect client = GaugeClientRect();
    return QRect(-1, client.bottom - kStatusBand, client.right + 2, kStatusBand);
}

void CanvasWidget::InvalidateGauge(const Rect& area) {
    if (area.IsEmpty()) return;
    update(ToLogical(area).intersected(rect()));
}

void CanvasWidget::SetBackground(Colour colour) {
    background = colour;
    update();
}

void CanvasWidget::SetStatusText(const std::string& text) {
    if (text == statusText) return;
    statusText = text;
    update(ToLogical(FromQRect(StatusBandRect())).intersected(rect()));
}

void CanvasWidget::EnsureBuffer() {
    const Rect client = GaugeClientRect();
    const QSize size(std::max(client.right, 1), std::max(client.bottom, 1));
    if (backBuffer.size() != size) backBuffer = QImage(size, QImage::Format_RGB32);
}

void CanvasWidget::Compose(const QRect& gaugeArea) {
    EnsureBuffer();
    const QRect area = gaugeArea.intersected(backBuffer.rect());
    if (area.isEmpty()) return;
    QPainter painter(&backBuffer);
    painter.setClipRect(area);
    painter.fillRect(area, ColourOf(background));
    const Rect dirty = FromQRect(area);
    for (CElement& element : doc.elements) {
        // Elements draw within kDrawMargin of their rectangle; the others are left out.
        if (Grow(element.GetRect(), kDrawMargin).Intersects(dirty)) element.Draw(painter);
    }
    DrawOutline(painter);
    if (area.intersects(StatusBandRect())) DrawStatus(painter);
}

void CanvasWidget::DrawOutline(QPainter& painter) const {
    const CanvasMouse::State state = mouse.GetState();
    if (!mouse.ButtonDown()) return;
    if (state != CanvasMouse::State::RubberBand && state != CanvasMouse::State::Resizing) return;
    const Rect& r = mouse.TrackRect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(state == CanvasMouse::State::RubberBand ? pens.DottedPen() : pens.BluePen());
    painter.setBrush(Qt::NoBrush);
    const QPoint points[] = {{r.left + 1, r.top + 1},
                             {r.right - 1, r.top + 1},
                             {r.right - 1, r.bottom - 1},
                             {r.left + 1, r.bottom - 1},
                             {r.left + 1, r.top + 1}};
    painter.drawPolyline(points, 5);
    painter.restore();
}

void CanvasWidget::DrawStatus(QPainter& painter) const {
    const QRect band = StatusBandRect();
    painter.save();
    painter.fillRect(band, ColourOf(background));
    painter.setPen(ColourOf(InverseColour(background)));
    painter.setFont(StatusFont());
    QString text = qt::FromLatin1(statusText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs,
                     text);
    painter.restore();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    if (window()->isMinimized()) return;
    const qreal scale = Scale();
    const QRect logical = event->rect();
    const QRect gauge(static_cast<int>(std::floor(logical.left() * scale)),
                      static_cast<int>(std::floor(logical.top() * scale)),
                      static_cast<int>(std::ceil(logical.width() * scale)) + 1,
                      static_cast<int>(std::ceil(logical.height() * scale)) + 1);
    Compose(gauge);
    // One copy; the painter's device pixel ratio maps each gauge pixel on one device pixel.
    QPainter painter(this);
    painter.drawImage(QRectF(gauge.left() / scale, gauge.top() / scale, gauge.width() / scale,
                             gauge.height() / scale),
                      backBuffer, QRectF(gauge));
}

void CanvasWidget::resizeEvent(QResizeEvent*) {
    EnsureBuffer();
    update();
}

void CanvasWidget::ApplyCursor() {
    switch (mouse.GetCursor()) {
        case CanvasMouse::Cursor::Arrow:
            setCursor(Qt::ArrowCursor);
            break;
        case CanvasMouse::Cursor::SizeAll:
            setCursor(Qt::SizeAllCursor);
            break;
        case CanvasMouse::Cursor::SizeDiagonal:
            setCursor(Qt::SizeFDiagCursor);
            break;
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    pointer = ToGauge(event->position());
    if (event->button() == Qt::LeftButton) {
        mouse.Press(pointer, event->modifiers().testFlag(Qt::ControlModifier));
        ApplyCursor();
    }
    events.CanvasPointerChanged();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    pointer = ToGauge(event->position());
    mouse.Move(pointer);
    ApplyCursor();
    events.CanvasPointerChanged();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    pointer = ToGauge(event->position());
    if (event->button() == Qt::LeftButton) {
        mouse.Release(pointer);
        ApplyCursor();
        events.CanvasPointerChanged();
    } else if (event->button() == Qt::RightButton) {
        events.CanvasContextMenu(event->globalPosition().toPoint());
    } else {
        events.CanvasPointerChanged();
    }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    pointer = ToGauge(event->position());
    if (event->button() == Qt::LeftButton) {
        events.CanvasDoubleClick();
    } else {
        events.CanvasPointerChanged();
    }
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int amount = delta.y() != 0 ? delta.y() : delta.x();
    if (amount != 0) events.CanvasWheel(amount > 0);
    event->accept();
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    events.CanvasKey(event->key(), event->modifiers());
}

bool CanvasWidget::focusNextPrevChild(bool) {
    return false;
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CanvasWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CanvasWidget::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.push_back(qt::PathToBytes(url.toLocalFile()));
        else
            paths.push_back(qt::ToLatin1(url.toString()));
    }
    if (paths.empty()) return;
    event->acceptProposedAction();
    events.CanvasDrop(paths);
}

}  // namespace dw
