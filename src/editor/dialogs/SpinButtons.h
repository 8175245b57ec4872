#pragma once
// A pair of small up and down arrows beside a number field, like an up-down control: the
// field stays free text, the arrows step its number.
#include <QWidget>

class QAbstractButton;
class QLineEdit;
class QToolButton;

namespace dw::dialogs {

class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up; }
    QToolButton* DownButton() const { return down; }

    // Each step sets field to its number plus the step (up +1, down -1), never below 0.
    void AttachTo(QLineEdit* field);

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void Stepped(int delta);

private:
    QToolButton* up;
    QToolButton* down;
};

// The border width of the text and basic graph dialogs: the arrows step the width, and every
// change of the width enables the border colour field and its button exactly when the width
// is not 0.
void LinkBorderWidth(QLineEdit* width, SpinButtons* spin, QLineEdit* colour,
                     QAbstractButton* colourButton);

}  // namespace dw::dialogs
