#include "editor/dialogs/SpinButtons.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/dialogs/DialogText.h"
#include "files/AttributeCodec.h"

namespace dw::dialogs {

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(QLatin1String(name));
    button->setAutoRepeat(true);
    button->setFixedSize(18, 12);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up = MakeArrow(this, Qt::UpArrow, "upArrow");
    down = MakeArrow(this, Qt::DownArrow, "downArrow");
    layout->addWidget(up);
    layout->addWidget(down);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(up, &QToolButton::clicked, this, [this] { emit Stepped(1); });
    connect(down, &QToolButton::clicked, this, [this] { emit Stepped(-1); });
}

void SpinButtons::AttachTo(QLineEdit* field) {
    connect(this, &SpinButtons::Stepped, field, [field](int delta) {
        const long long next = static_cast<long long>(FieldInt(field)) + delta;
        SetField(field, FormatInt(std::clamp<long long>(next, 0, INT32_MAX)));
    });
}

void LinkBorderWidth(QLineEdit* width, SpinButtons* spin, QLineEdit* colour,
                     QAbstractButton* colourButton) {
    spin->AttachTo(width);
    auto update = [width, colour, colourButton] {
        const bool on = FieldInt(width) != 0;
        colour->setEnabled(on);
        colourButton->setEnabled(on);
    };
    QObject::connect(width, &QLineEdit::textChanged, colour, update);
    update();
}

}  // namespace dw::dialogs
