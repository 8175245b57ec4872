#pragma once
// The fields the image, text and basic graph dialogs share: name, place and size, rotation,
// transparency and the colour replacement. Each dialog's form holds one panel.
#include <QWidget>
#include <memory>

#include "editor/EditorDialogs.h"
#include "render/ElementProperties.h"

namespace Ui {
class CommonPropertiesPanel;
}
class QLineEdit;

namespace dw::dialogs {

class CommonPropertiesPanel : public QWidget {
    Q_OBJECT
public:
    explicit CommonPropertiesPanel(QWidget* parent = nullptr);
    ~CommonPropertiesPanel() override;

    // Ties the three colour fields to their choosers.
    void Setup(const DialogContext& context);

    // Shows every shared value except the program.
    void Show(const CommonProperties& values);
    // Reads every shared value except the program, with the forgiving conversions.
    void Read(CommonProperties& values) const;

    QLineEdit* WidthField() const;
    QLineEdit* HeightField() const;

private:
    void UpdateTransparency();

    std::unique_ptr<Ui::CommonPropertiesPanel> ui;
};

}  // namespace dw::dialogs
