#include "editor/dialogs/ColourChoice.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "editor/dialogs/DialogText.h"
#include "files/AttributeCodec.h"
#include "platform/qt/QtText.h"

namespace dw::dialogs {

std::optional<Colour> ChooseColour(const DialogContext& context, Colour initial) {
    static CustomColours programWide{};
    if (context.ui == nullptr) return std::nullopt;
    CustomColours& custom = context.customColours ? *context.customColours : programWide;
    return context.ui->ChooseColour(initial, custom);
}

QIcon ColourSwatch(Colour colour) {
    QPixmap pixmap(12, 12);
    pixmap.fill(qt::ToQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

void LinkColourField(const DialogContext& context, QLineEdit* field, QAbstractButton* button) {
    auto showSwatch = [field, button] { button->setIcon(ColourSwatch(FieldColour(field))); };
    QObject::connect(field, &QLineEdit::textChanged, button, showSwatch);
    QObject::connect(button, &QAbstractButton::clicked, field, [context, field] {
        if (auto chosen = ChooseColour(context, FieldColour(field)))
            SetField(field, FormatColour(*chosen));
    });
    showSwatch();
}

}  // namespace dw::dialogs
