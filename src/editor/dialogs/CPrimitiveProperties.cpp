#include "editor/dialogs/CPrimitiveProperties.h"

#include "editor/dialogs/ColourChoice.h"
#include "editor/dialogs/DialogText.h"
#include "editor/dialogs/ScriptTypingAids.h"
#include "editor/dialogs/ShapeSubtypeTable.h"
#include "files/AttributeCodec.h"
#include "ui_CPrimitiveProperties.h"

namespace dw::dialogs {

CPrimitiveProperties::CPrimitiveProperties(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CPrimitiveProperties>()) {
    ui->setupUi(this);
    ui->common->Setup(context);
    aids = new ScriptTypingAids(ui->scriptEdit, context);
    LinkColourField(context, ui->borderColourEdit, ui->borderColourButton);
    LinkBorderWidth(ui->borderWidthEdit, ui->borderWidthSpin, ui->borderColourEdit,
                    ui->borderColourButton);
    connect(ui->subtypeCombo, &QComboBox::currentIndexChanged, this,
            &CPrimitiveProperties::ApplySubtypeLayout);
    connect(ui->styleCombo, &QComboBox::currentIndexChanged, this,
            &CPrimitiveProperties::UpdateSecondColour);
    connect(ui->fillColourButton, &QPushButton::clicked, this,
            [this] { ChooseShapeColour(false); });
    connect(ui->secondColourButton, &QPushButton::clicked, this,
            [this] { ChooseShapeColour(true); });
    SetValues(ShapeProperties{});
}

CPrimitiveProperties::~CPrimitiveProperties() = default;

void CPrimitiveProperties::SetValues(const ShapeProperties& v) {
    ui->common->Show(v);
    const int subtype = ui->subtypeCombo->findText(ToQ(v.subtype), Qt::MatchExactly);
    otherSubtype = subtype < 0 ? v.subtype : std::string();
    ui->subtypeCombo->setCurrentIndex(subtype);
    const int style = ui->styleCombo->findText(ToQ(v.styleName), Qt::MatchExactly);
    ui->styleCombo->setCurrentIndex(style < 0 ? 0 : style);
    fillColour = v.colorF;
    secondColour = v.color;
    ShowShapeColours();
    SetField(ui->borderWidthEdit, FormatInt(v.borderWidth));
    SetField(ui->borderColourEdit, FormatColour(v.borderColor));
    SetField(ui->startEdit, FormatDialogReal(v.ang1, false));
    SetField(ui->endEdit, FormatDialogReal(v.ang2, false));
    SetField(ui->initEdit, FormatDialogReal(v.angPct, false));
    SetField(ui->startMarkEdit, FormatDialogReal(v.startmark, false));
    SetField(ui->endMarkEdit, FormatDialogReal(v.endmark, false));
    ui->arcCheck->setChecked(v.witharc);
    aids->SetText(v.program);
    ApplySubtypeLayout();
}

ShapeProperties CPrimitiveProperties::Values() const {
    ShapeProperties v;
    ui->common->Read(v);
    v.subtype = ui->subtypeCombo->currentIndex() < 0 ? otherSubtype
                                                     : FromQ(ui->subtypeCombo->currentText());
    v.styleName = FromQ(ui->styleCombo->currentText());
    v.colorF = fillColour;
    v.color = secondColour;
    v.borderWidth = FieldInt(ui->borderWidthEdit);
    v.borderColor = FieldColour(ui->borderColourEdit);
    v.ang1 = FieldReal(ui->startEdit);
    v.ang2 = FieldReal(ui->endEdit);
    v.angPct = FieldReal(ui->initEdit);
    v.startmark = FieldReal(ui->startMarkEdit);
    v.endmark = FieldReal(ui->endMarkEdit);
    v.witharc = ui->arcCheck->isChecked();
    v.program = aids->Text();
    return v;
}

void CPrimitiveProperties::ApplySubtypeLayout() {
    if (ui->subtypeCombo->currentIndex() >= 0) otherSubtype.clear();
    const ShapeSubtypeLayout& row = LayoutOfSubtype(FromQ(ui->subtypeCombo->currentText()));
    ui->widthLabel->setText(ToQ(row.widthLabel));
    ui->startLabel->setText(ToQ(row.startLabel));
    ui->endLabel->setText(ToQ(row.endLabel));
    ui->initLabel->setText(ToQ(row.initLabel));
    for (QWidget* value : {ui->startEdit, ui->endEdit, ui->initEdit})
        value->setEnabled(row.valuesEnabled);
    ui->fillColourButton->setEnabled(row.colourAndStyleEnabled);
    ui->styleCombo->setEnabled(row.colourAndStyleEnabled);
    ui->startMarkEdit->setEnabled(row.marksEnabled);
    ui->endMarkEdit->setEnabled(row.marksEnabled);
    ui->arcCheck->setEnabled(row.arcEnabled);
    UpdateSecondColour();
}

void CPrimitiveProperties::UpdateSecondColour() {
    ui->secondColourButton->setEnabled(ui->styleCombo->isEnabled() &&
                                       ui->styleCombo->currentText() != QLatin1String("Solid"));
}

void CPrimitiveProperties::ChooseShapeColour(bool second) {
    Colour& target = second ? secondColour : fillColour;
    if (const std::optional<Colour> chosen = ChooseColour(context, target)) {
        target = *chosen;
        ShowShapeColours();
    }
}

void CPrimitiveProperties::ShowShapeColours() {
    ui->fillColourButton->setIcon(ColourSwatch(fillColour));
    ui->secondColourButton->setIcon(ColourSwatch(secondColour));
}

}  // namespace dw::dialogs
