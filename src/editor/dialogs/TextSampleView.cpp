#include "editor/dialogs/TextSampleView.h"

#include <QPainter>

#include "platform/qt/QtText.h"

namespace dw::dialogs {

TextSampleView::TextSampleView(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMinimumSize(200, 56);
}

void TextSampleView::SetSample(const FontDescription& f, Colour text, Colour background) {
    font = f;
    textColour = text;
    backColour = background;
    update();
}

void TextSampleView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.fillRect(inside, qt::ToQColor(backColour));
    painter.setFont(MakeFont(font));
    painter.setPen(qt::ToQColor(textColour));
    painter.drawText(inside, Qt::AlignCenter, QString::fromLatin1(kTextSample));
    painter.end();
    QFrame::paintEvent(event);
}

}  // namespace dw::dialogs
