#pragma once
// The basic graph element's properties dialog: the shared fields, the shape (subtype) and
// fill style with their colours, the border or line width, the three values whose labels
// follow the shape, the marks, "Draw the arc" and the program.
#include <QDialog>
#include <memory>

#include "editor/EditorDialogs.h"
#include "render/ElementProperties.h"

namespace Ui {
class CPrimitiveProperties;
}

namespace dw::dialogs {

class ScriptTypingAids;

class CPrimitiveProperties : public QDialog {
    Q_OBJECT
public:
    explicit CPrimitiveProperties(const DialogContext& context, QWidget* parent = nullptr);
    ~CPrimitiveProperties() override;

    void SetValues(const ShapeProperties& values);
    ShapeProperties Values() const;

private:
    // Labels and enabled controls of the selected shape.
    void ApplySubtypeLayout();
    // "Color 2" only for hatched styles.
    void UpdateSecondColour();
    void ChooseShapeColour(bool second);
    void ShowShapeColours();

    DialogContext context;
    std::unique_ptr<Ui::CPrimitiveProperties> ui;
    ScriptTypingAids* aids = nullptr;
    Colour fillColour = 0;     // "Color" (colorF)
    Colour secondColour = 0;   // "Color 2" (color)
    std::string otherSubtype;  // a shape name not in the list, kept as it was
};

}  // namespace dw::dialogs
