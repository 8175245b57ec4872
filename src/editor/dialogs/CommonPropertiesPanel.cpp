#include "editor/dialogs/CommonPropertiesPanel.h"

#include "editor/dialogs/ColourChoice.h"
#include "editor/dialogs/DialogText.h"
#include "files/AttributeCodec.h"
#include "ui_CommonPropertiesPanel.h"

namespace dw::dialogs {

CommonPropertiesPanel::CommonPropertiesPanel(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::CommonPropertiesPanel>()) {
    ui->setupUi(this);
    connect(ui->transparentCheck, &QCheckBox::toggled, this,
            &CommonPropertiesPanel::UpdateTransparency);
    UpdateTransparency();
}

CommonPropertiesPanel::~CommonPropertiesPanel() = default;

void CommonPropertiesPanel::Setup(const DialogContext& context) {
    LinkColourField(context, ui->transparentColourEdit, ui->transparentColourButton);
    LinkColourField(context, ui->changeColourEdit, ui->changeColourButton);
    LinkColourField(context, ui->withColourEdit, ui->withColourButton);
}

void CommonPropertiesPanel::Show(const CommonProperties& values) {
    SetField(ui->nameEdit, values.name);
    SetField(ui->xEdit, FormatInt(values.x));
    SetField(ui->yEdit, FormatInt(values.y));
    SetField(ui->wEdit, FormatInt(values.w));
    SetField(ui->hEdit, FormatInt(values.h));
    SetField(ui->rotEdit, FormatDialogReal(values.rotation, true));
    ui->transparentCheck->setChecked(values.transparent);
    SetField(ui->transparentColourEdit, FormatColour(values.transparentColor));
    SetField(ui->changeColourEdit, FormatColour(values.changeColour));
    SetField(ui->withColourEdit, FormatColour(values.withColour));
    UpdateTransparency();
}

void CommonPropertiesPanel::Read(CommonProperties& values) const {
    values.name = FieldText(ui->nameEdit);
    values.x = FieldInt(ui->xEdit);
    values.y = FieldInt(ui->yEdit);
    values.w = FieldInt(ui->wEdit);
    values.h = FieldInt(ui->hEdit);
    values.rotation = FieldReal(ui->rotEdit);
    values.transparent = ui->transparentCheck->isChecked();
    values.transparentColor = FieldColour(ui->transparentColourEdit);
    values.changeColour = FieldColour(ui->changeColourEdit);
    values.withColour = FieldColour(ui->withColourEdit);
}

QLineEdit* CommonPropertiesPanel::WidthField() const {
    return ui->wEdit;
}

QLineEdit* CommonPropertiesPanel::HeightField() const {
    return ui->hEdit;
}

void CommonPropertiesPanel::UpdateTransparency() {
    const bool on = ui->transparentCheck->isChecked();
    ui->transparentColourEdit->setEnabled(on);
    ui->transparentColourButton->setEnabled(on);
}

}  // namespace dw::dialogs
