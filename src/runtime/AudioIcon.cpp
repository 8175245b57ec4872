#include "runtime/AudioIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace dw {

namespace {

QImage DrawLoudspeaker() {
    QImage icon(kAudioIconWidth, kAudioIconHeight, QImage::Format_RGB32);
    icon.fill(Qt::black);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);

    // Magnet box and cone, light grey with a white edge.
    const QColor body(200, 200, 200);
    const QColor edge(255, 255, 255);
    painter.setPen(QPen(edge, 1.5));
    painter.setBrush(body);
    painter.drawRect(QRectF(3.5, 17.5, 8, 13));
    const QPolygonF cone({{11.5, 17.5}, {21.5, 7.5}, {21.5, 40.5}, {11.5, 30.5}});
    painter.drawPolygon(cone);

    // Three sound waves, growing to the right.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 200, 255), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double r = 5.0 + 5.0 * i;
        const QRectF arc(21.5 - r + 3.0, 24.0 - r, 2 * r, 2 * r);
        painter.drawArc(arc, -50 * 16, 100 * 16);
    }
    return icon;
}

}  // namespace

const QImage& LoudspeakerIcon() {
    static const QImage icon = DrawLoudspeaker();
    return icon;
}

}  // namespace dw
