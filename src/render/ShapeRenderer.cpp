#include "render/ShapeRenderer.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "model/ColourConvert.h"
#include "render/EllipsePixels.h"
#include "render/ShapeGeometry.h"

namespace dw {

namespace {

constexpr int kMaxShapeSide = 1 << 20;

// Draws the arc clockwise from `from` over `sweep` degrees on the ellipse inscribed in the
// box (i, i) to (w - i, h - i), right and bottom excluded, or the pie sector closed through
// the box's centre.
void DrawArcPiece(QPainter& painter, int w, int h, int inset, double from, double sweep, bool pie) {
    const PixelBox box{inset, inset, w - inset - 1, h - inset - 1};
    std::vector<QPoint> pixels = ArcPixels(box, from, sweep);
    if (pixels.empty()) return;
    if (pie) {
        QPolygon polygon;
        polygon << QPoint(static_cast<int>(std::floor(box.CentreX() + 0.5)),
                          static_cast<int>(std::floor(box.CentreY() + 0.5)));
        for (const QPoint& p : pixels) polygon << p;
        painter.drawPolygon(polygon);
    } else if (pixels.size() == 1 || painter.pen().width() <= 1) {
        // A thin pen sets exactly the arc's pixels; a wide one strokes through them.
        painter.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
    } else {
        painter.drawPolyline(pixels.data(), static_cast<int>(pixels.size()));
    }
}

// A mark of length m at angle a: from P(a, R(1 + min(0, m))) to P(a, R(1 + max(0, m))).
void DrawMark(QPainter& painter, const ShapeFrame& frame, double angle, float m) {
    if (m == 0.0f) return;
    const double r = frame.radius;
    painter.drawLine(PointAt(frame, angle, r * (1.0 + std::min(0.0, double(m)))),
                     PointAt(frame, angle, r * (1.0 + std::max(0.0, double(m)))));
}

// The pens and brushes of the last render on this thread. A gauge's shapes mostly share a
// few of them, and a QPen or QBrush made afresh costs an allocation and its release on every
// render; a copy of a kept one only counts a reference. Each is made by the same function
// from the same arguments as before, so the drawing cannot tell the difference.
struct PaintTools {
    int penWidth = -1;
    Colour penColour = 0;
    QPen pen;
    int brushStyle = 0;
    Colour brushColour = 0;
    bool brushMade = false;
    QBrush brush;
    Colour backColour = 0;
    bool backMade = false;
    QBrush back;
};

PaintTools& Tools() {
    thread_local PaintTools tools;
    return tools;
}

const QPen& BorderPen(int width, Colour colour) {
    PaintTools& t = Tools();
    if (t.penWidth != width || t.penColour != colour) {
        t.pen = MakeBorderPen(width, colour);
        t.penWidth = width;
        t.penColour = colour;
    }
    return t.pen;
}

const QBrush& FillBrush(int style, Colour colour) {
    PaintTools& t = Tools();
    if (!t.brushMade || t.brushStyle != style || t.brushColour != colour) {
        t.brush = MakeFillBrush(style, colour);
        t.brushStyle = style;
        t.brushColour = colour;
        t.brushMade = true;
    }
    return t.brush;
}

const QBrush& BackgroundBrush(Colour colour) {
    PaintTools& t = Tools();
    if (!t.backMade || t.backColour != colour) {
        t.back = QBrush(ToQColor(colour));
        t.backColour = colour;
        t.backMade = true;
    }
    return t.back;
}

// The needle of a "Radius" shape, for a pen of width 2b or 2b + 1.
QLine RadiusLine(const ShapeParams& params, int w, int h, int b) {
    const ShapeFrame frame = MakeShapeFrame(w, h, b + 1);
    const double r = frame.radius;
    return QLine(PointAt(frame, params.angPct, r * params.ang1),
                 PointAt(frame, params.angPct, r * params.ang2));
}

}  // namespace

QPen MakeBorderPen(int width, Colour colour) {
    QPen pen(ToQColor(colour));
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(std::clamp(width, 0, kMaxPenWidth));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QBrush MakeFillBrush(int style, Colour colour) {
    // Qt's "forward" diagonal runs down to the right, its "backward" one up to the right.
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                             Qt::FDiagPattern, Qt::BDiagPattern,
                                             Qt::CrossPattern, Qt::DiagCrossPattern};
    const Qt::BrushStyle pattern = style >= 0 && style <= 5 ? hatches[style] : Qt::SolidPattern;
    return QBrush(ToQColor(colour), pattern);
}

int StyleFromName(const std::string& name) {
    if (name == "BDiagonal") return 3;
    if (name == "Cross") return 4;
    if (name == "DiagCross") return 5;
    if (name == "FDiagonal") return 2;
    if (name == "Horizontal") return 0;
    if (name == "Vertical") return 1;
    return -1;
}

bool IsBorderColourOnly(const std::string& subtype) {
    return subtype == "ArcTo" || subtype == "ArcFrom" || subtype == "Radius" || subtype == "Bug" ||
           subtype == "Scale";
}

void RenderShape(QImage& target, const ShapeParams& params, int w, int h) {
    if (target.isNull()) return;
    // Sizes beyond any surface only need to keep the arithmetic below from overflowing.
    w = std::clamp(w, 0, kMaxShapeSide);
    h = std::clamp(h, 0, kMaxShapeSide);
    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The gaps of hatch brushes show the background colour.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(BackgroundBrush(params.color));
    const int bw = std::clamp(params.borderWidth, 0, kMaxPenWidth);
    const int b = bw / 2;
    // A view compares by length first.
    const std::string_view kind = params.subtype;

    painter.setPen(BorderPen(bw, params.borderColor));
    painter.setBrush(Qt::NoBrush);
    if (kind == "FillRect") {
        const QBrush& brush = FillBrush(params.style, params.colorF);
        if (bw != 0) {
            painter.setBrush(brush);
            // A stroked QRect covers its width plus one: the outline runs from b to w - bw - 1.
            const QRect outline(b, b, w - bw - 1 - b, h - bw - 1 - b);
            if (outline.width() > 0 && outline.height() > 0) painter.drawRect(outline);
        } else {
            painter.fillRect(QRect(0, 0, w, h), brush);
        }
    } else if (kind == "Pie" || kind == "ArcTo" || kind == "ArcFrom") {
        const double pos = ArcPosition(params.ang1, params.ang2, params.angPct);
        const int inset = b + 1;
        const ShapeFrame frame = MakeShapeFrame(w, h, inset);
        if (kind == "Pie") {
            painter.setBrush(FillBrush(params.style, params.colorF));
            DrawArcPiece(painter, w, h, inset, params.ang1, ClockwiseSweep(params.ang1, pos), true);
        } else if (kind == "ArcTo") {
            DrawArcPiece(painter, w, h, inset, params.ang1, ClockwiseSweep(params.ang1, pos),
                         false);
            DrawMark(painter, frame, params.ang1, params.startmark);
            DrawMark(painter, frame, pos, params.endmark);
        } else {
            DrawArcPiece(painter, w, h, inset, pos, ClockwiseSweep(pos, params.ang2), false);
            DrawMark(painter, frame, pos, params.startmark);
            DrawMark(painter, frame, params.ang2, params.endmark);
        }
    } else if (kind == "Radius") {
        painter.drawLine(RadiusLine(params, w, h, b));
    } else if (kind == "Bug") {
        const ShapeFrame frame = MakeShapeFrame(w, h, 1);
        const double r = frame.radius;
        const double a = params.angPct;
        QPolygon path;
        path << PointAt(frame, a - params.ang1, r) << PointAt(frame, a, r - params.ang2)
             << PointAt(frame, a + params.ang1, r);
        painter.drawPolyline(path);
    } else if (kind == "Scale") {
        if (params.witharc) {
            const double end = ArcEnd(params.ang1, params.ang2);
            DrawArcPiece(painter, w, h, b + 1, params.ang1, ClockwiseSweep(params.ang1, end),
                         false);
        }
        if (params.angPct > 0.0f) {
            const ShapeFrame frame = MakeShapeFrame(w, h, 1);
            const double r = frame.radius;
            for (double angle : ScaleTickAngles(params.ang1, params.ang2, params.angPct))
                painter.drawLine(PointAt(frame, angle, r * (1.0 + params.startmark)),
                                 PointAt(frame, angle, r * (1.0 + params.endmark)));
        }
    }
}

QRect ShapeBounds(const ShapeParams& params, int w, int h) {
    w = std::clamp(w, 0, kMaxShapeSide);
    h = std::clamp(h, 0, kMaxShapeSide);
    if (params.subtype != "Radius") return QRect(0, 0, kMaxShapeSide, kMaxShapeSide);
    const int bw = std::clamp(params.borderWidth, 0, kMaxPenWidth);
    // A round cap reaches half the pen's width beyond the ends; two more pixels cover the
    // rounding of the stroke's edge to pixels.
    const int grow = bw / 2 + 2;
    const QLine line = RadiusLine(params, w, h, bw / 2);
    return QRect(line.p1(), line.p2()).normalized().adjusted(-grow, -grow, grow, grow);
}

}  // namespace dw
