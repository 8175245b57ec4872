#include "editor/dialogs/CGaugeProperties.h"

#include <QFile>
#include <algorithm>

#include "editor/dialogs/AliasFileChoice.h"
#include "editor/dialogs/ColourChoice.h"
#include "editor/dialogs/DialogText.h"
#include "files/AttributeCodec.h"
#include "platform/qt/QtText.h"
#include "ui_CGaugeProperties.h"

namespace dw::dialogs {

namespace {
constexpr int kSliderMinFps = 2;
constexpr char kNotFoundTitle[] = "File not found";
constexpr char kWarningTitle[] = "Warning";
constexpr char kUppercaseText[] =
    "Please, remember that all offsets names on the alias file, must be on uppercase.";
}  // namespace

std::string FrameRateLabel(int fps) {
    return "Desired FPS for this gauge: " + (fps == kMaxFps ? std::string("Auto") : FormatInt(fps));
}

CGaugeProperties::CGaugeProperties(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CGaugeProperties>()) {
    ui->setupUi(this);
    ui->fpsSlider->setRange(kSliderMinFps, kMaxFps);
    LinkColourField(context, ui->backEdit, ui->backButton);
    connect(ui->fpsSlider, &QSlider::valueChanged, this, &CGaugeProperties::UpdateFrameRateLabel);
    connect(ui->maximizedCheck, &QCheckBox::toggled, this, &CGaugeProperties::UpdatePositionFields);
    connect(ui->aliasButton, &QToolButton::clicked, this, &CGaugeProperties::ChooseAliasFile);
    connect(ui->aliasEditButton, &QPushButton::clicked, this, &CGaugeProperties::EditAliasFile);
    SetValues(GaugePropertiesValues{});
}

CGaugeProperties::~CGaugeProperties() = default;

void CGaugeProperties::SetValues(const GaugePropertiesValues& v) {
    gaugePath = v.gaugePath;
    ui->gaugePathLabel->setText(qt::PathFromBytes(v.gaugePath));
    SetField(ui->titleEdit, v.name);
    SetField(ui->aliasEdit, v.aliasFile);
    ui->fpsSlider->setValue(std::clamp<int>(v.fps, kSliderMinFps, kMaxFps));
    SetField(ui->backEdit, FormatColour(v.backColor));
    ui->maximizedCheck->setChecked(v.window.maximized);
    SetField(ui->xEdit, FormatInt(v.window.x));
    SetField(ui->yEdit, FormatInt(v.window.y));
    SetField(ui->wEdit, FormatInt(v.window.width));
    SetField(ui->hEdit, FormatInt(v.window.height));
    ui->runAtStartCheck->setChecked(v.runAtStart);
    UpdatePositionFields();
    UpdateFrameRateLabel();
}

GaugePropertiesValues CGaugeProperties::Values() const {
    GaugePropertiesValues v;
    v.gaugePath = gaugePath;
    v.name = FieldText(ui->titleEdit);
    v.aliasFile = FieldText(ui->aliasEdit);
    v.fps = ui->fpsSlider->value();
    v.backColor = FieldColour(ui->backEdit);
    v.window.maximized = ui->maximizedCheck->isChecked();
    v.window.x = FieldInt(ui->xEdit);
    v.window.y = FieldInt(ui->yEdit);
    v.window.width = FieldInt(ui->wEdit);
    v.window.height = FieldInt(ui->hEdit);
    v.runAtStart = ui->runAtStartCheck->isChecked();
    return v;
}

void CGaugeProperties::accept() {
    const std::string alias = FieldText(ui->aliasEdit);
    if (alias.empty() || AliasFileExists(alias) || context.ui == nullptr) {
        QDialog::accept();
        return;
    }
    const std::string text =
        "The Alias file [" + alias + "] does not exist.\r\n\r\nDo you want select a new one?";
    if (context.ui->Message(kNotFoundTitle, text, Icon::Error, Buttons::YesNo) == Answer::Yes) {
        ChooseAliasFile();
        return;
    }
    ui->aliasEdit->clear();
    QDialog::accept();
}

void CGaugeProperties::ChooseAliasFile() {
    if (context.ui == nullptr) return;
    context.ui->Message(kWarningTitle, kUppercaseText, Icon::Warning);
    if (std::optional<std::string> chosen =
            dialogs::ChooseAliasFile(*context.ui, FieldText(ui->aliasEdit)))
        SetField(ui->aliasEdit, *chosen);
}

void CGaugeProperties::EditAliasFile() {
    const std::string alias = FieldText(ui->aliasEdit);
    if (alias.empty() || context.ui == nullptr) return;
    const std::string real = AliasFileOnDisk(alias);
    if (!AliasFileExists(alias)) {
        const std::string text = "The file [" + alias +
                                 "] does not exists.\r\nDo you want create it with 'notepad.exe'?";
        if (context.ui->Message(kNotFoundTitle, text, Icon::Question, Buttons::YesNo) !=
            Answer::Yes)
            return;
        // The desktop opens only files that exist: start the new alias file empty.
        QFile created(qt::PathFromBytes(real));
        if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) created.close();
    }
    context.ui->OpenWithDesktop(real);
}

void CGaugeProperties::UpdatePositionFields() {
    const bool free = !ui->maximizedCheck->isChecked();
    for (QWidget* field : {ui->xEdit, ui->yEdit, ui->wEdit, ui->hEdit}) field->setEnabled(free);
}

void CGaugeProperties::UpdateFrameRateLabel() {
    ui->fpsLabel->setText(ToQ(FrameRateLabel(ui->fpsSlider->value())));
}

}  // namespace dw::dialogs
