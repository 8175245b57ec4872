#include "editor/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QtMath>

namespace dw {

namespace {

QPixmap DialPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(side * 0.05, side * 0.05, side * 0.9, side * 0.9);
    painter.setPen(QPen(QColor(40, 40, 40), side / 16.0));
    painter.setBrush(QColor(20, 24, 28));
    painter.drawEllipse(face);
    // Scale marks from -135 to +135 degrees, 0 pointing up.
    const QPointF centre = face.center();
    const qreal radius = face.width() / 2;
    painter.setPen(QPen(Qt::white, side / 40.0 + 0.5));
    for (int mark = 0; mark <= 9; ++mark) {
        const qreal angle = qDegreesToRadians(-135.0 + mark * 30.0);
        const QPointF direction(qSin(angle), -qCos(angle));
        painter.drawLine(centre + direction * radius * 0.72, centre + direction * radius * 0.88);
    }
    const qreal needle = qDegreesToRadians(50.0);
    painter.setPen(QPen(QColor(255, 140, 0), side / 18.0 + 0.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(qSin(needle), -qCos(needle)) * radius * 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 200, 200));
    painter.drawEllipse(centre, side / 14.0, side / 14.0);
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128}) icon.addPixmap(DialPixmap(side));
    return icon;
}

}  // namespace dw
