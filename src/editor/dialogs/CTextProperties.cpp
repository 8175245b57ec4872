#include "editor/dialogs/CTextProperties.h"

#include "editor/dialogs/ColourChoice.h"
#include "editor/dialogs/DialogText.h"
#include "editor/dialogs/ScriptTypingAids.h"
#include "files/AttributeCodec.h"
#include "render/TextFont.h"
#include "ui_CTextProperties.h"

namespace dw::dialogs {

int AlignmentFlags(int verticalIndex, int horizontalIndex) {
    return horizontalIndex + 4 * verticalIndex;
}

int VerticalIndexOf(int position) {
    if (position & 8) return 2;
    return (position & 4) ? 1 : 0;
}

int HorizontalIndexOf(int position) {
    if (position & 2) return 2;
    return (position & 1) ? 1 : 0;
}

CTextProperties::CTextProperties(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CTextProperties>()) {
    ui->setupUi(this);
    ui->common->Setup(context);
    aids = new ScriptTypingAids(ui->scriptEdit, context);
    LinkColourField(context, ui->borderColourEdit, ui->borderColourButton);
    LinkBorderWidth(ui->borderWidthEdit, ui->borderWidthSpin, ui->borderColourEdit,
                    ui->borderColourButton);
    connect(ui->fontButton, &QPushButton::clicked, this, &CTextProperties::ChooseFont);
    connect(ui->colourButton, &QPushButton::clicked, this, [this] { ChooseTextColour(false); });
    connect(ui->backButton, &QPushButton::clicked, this, [this] { ChooseTextColour(true); });
    SetValues(TextProperties{});
}

CTextProperties::~CTextProperties() = default;

void CTextProperties::SetValues(const TextProperties& v) {
    ui->common->Show(v);
    FontDescription font;
    font.face = v.face;
    font.height = v.fontHeight;
    font.width = v.fontWidth;
    font.weight = v.weight;
    font.style = v.fontStyle;
    ui->sampleView->SetSample(font, v.color, v.colorF);
    ShowSampleColours();
    ui->verticalCombo->setCurrentIndex(VerticalIndexOf(v.position));
    ui->horizontalCombo->setCurrentIndex(HorizontalIndexOf(v.position));
    SetField(ui->textEdit, v.text);
    SetField(ui->borderWidthEdit, FormatInt(v.borderWidth));
    SetField(ui->borderColourEdit, FormatColour(v.borderColor));
    aids->SetText(v.program);
}

TextProperties CTextProperties::Values() const {
    TextProperties v;
    ui->common->Read(v);
    const FontDescription& font = ui->sampleView->SampleFont();
    v.face = font.face;
    v.fontHeight = font.height;
    v.fontWidth = font.width;
    v.weight = font.weight;
    v.fontStyle = font.style;
    v.color = ui->sampleView->TextColour();
    v.colorF = ui->sampleView->BackgroundColour();
    v.position =
        AlignmentFlags(ui->verticalCombo->currentIndex(), ui->horizontalCombo->currentIndex());
    v.text = FieldText(ui->textEdit);
    v.borderWidth = FieldInt(ui->borderWidthEdit);
    v.borderColor = FieldColour(ui->borderColourEdit);
    v.program = aids->Text();
    return v;
}

void CTextProperties::ChooseFont() {
    if (context.ui == nullptr) return;
    FontDescription font = ui->sampleView->SampleFont();
    FontChoice initial;
    // The chooser lists installed families: start it on the one the face stands for.
    initial.face = FromQ(MapFaceName(font.face));
    initial.height = font.height;
    initial.width = font.width;
    initial.weight = font.weight;
    initial.italic = (font.style & 1) != 0;
    initial.strikeOut = (font.style & 2) != 0;
    initial.underline = (font.style & 4) != 0;
    initial.colour = ui->sampleView->TextColour();
    const std::optional<FontChoice> chosen = context.ui->ChooseFont(initial);
    if (!chosen) return;
    // The colour shown in the font dialog is not taken over. A face kept as it was keeps
    // its stored name ("DW_LCD" stays "DW_LCD").
    if (chosen->face != initial.face) font.face = chosen->face;
    font.height = chosen->height;
    font.width = chosen->width;
    font.weight = chosen->weight;
    font.style =
        (chosen->italic ? 1 : 0) | (chosen->strikeOut ? 2 : 0) | (chosen->underline ? 4 : 0);
    ui->sampleView->SetSample(font, ui->sampleView->TextColour(),
                              ui->sampleView->BackgroundColour());
}

void CTextProperties::ChooseTextColour(bool background) {
    Colour text = ui->sampleView->TextColour();
    Colour back = ui->sampleView->BackgroundColour();
    Colour& target = background ? back : text;
    const std::optional<Colour> chosen = ChooseColour(context, target);
    if (!chosen) return;
    target = *chosen;
    ui->sampleView->SetSample(ui->sampleView->SampleFont(), text, back);
    ShowSampleColours();
}

void CTextProperties::ShowSampleColours() {
    ui->colourButton->setIcon(ColourSwatch(ui->sampleView->TextColour()));
    ui->backButton->setIcon(ColourSwatch(ui->sampleView->BackgroundColour()));
}

}  // namespace dw::dialogs
