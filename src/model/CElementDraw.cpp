// CElement: the drawing steps common to every kind.
#include "model/CElement.h"
#include "model/FramePens.h"
#include "model/GlobalSwitch.h"

namespace dw {

bool CElement::IsVisibleNow() const {
    return !runMode || (IsGlobalSwitchOn() && shown);
}

void CElement::DrawCommon(QPainter& painter, const QImage& surface, int opaqueExtra,
                          const QRect* content) {
    if (!IsVisibleNow()) return;
    if (!surface.isNull())
        CopySurface(painter, surface, transparent, transparentColor, opaqueExtra, content);
    if (!runMode && selected) DrawFrame(painter);
}

void CElement::CopySurface(QPainter& painter, const QImage& surface, bool useKey, Colour key,
                           int extra, const QRect* content) {
    if (useKey) {
        copier.CopyTransparent(painter, surface, ToQRect(rect), key,
                               content != nullptr && (key & 0xFFFFFF) == 0 ? content : nullptr);
    } else {
        copier.CopyOpaque(painter, surface,
                          QRect(rect.left, rect.top, rect.Width() + extra, rect.Height() + extra));
    }
}

const FramePens& CElement::Pens() const {
    return framePens != nullptr ? *framePens : FramePens::Defaults();
}

void CElement::DrawFrame(QPainter& painter) const {
    const FramePens& pens = Pens();
    const QPen& pen = group != 0 ? pens.RedPen() : (primary ? pens.BluePen() : pens.WhitePen());
    const QPoint topLeft(rect.left + 1, rect.top + 1);
    const QPoint topRight(rect.right - 1, rect.top + 1);
    const QPoint bottomRight(rect.right - 1, rect.bottom - 1);
    const QPoint bottomLeft(rect.left + 1, rect.bottom - 1);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(topLeft, topRight);
    painter.drawLine(topRight, bottomRight);
    if (primary) {
        // (right - 10, bottom - 10) to (right - 1, bottom - 1), right and bottom excluded.
        painter.fillRect(QRect(rect.right - 10, rect.bottom - 10, 9, 9), pens.BlueBrush());
    }
    painter.drawLine(bottomRight, bottomLeft);
    painter.drawLine(bottomLeft, topLeft);
    if (locked) painter.drawLine(topLeft, bottomRight);
    painter.restore();
}

}  // namespace dw
