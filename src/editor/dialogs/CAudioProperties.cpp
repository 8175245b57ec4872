#include "editor/dialogs/CAudioProperties.h"

#include "editor/dialogs/AudioFileChoice.h"
#include "editor/dialogs/AudioPreview.h"
#include "editor/dialogs/DialogText.h"
#include "editor/dialogs/ScriptTypingAids.h"
#include "ui_CAudioProperties.h"

namespace dw::dialogs {

CAudioProperties::CAudioProperties(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CAudioProperties>()) {
    ui->setupUi(this);
    aids = new ScriptTypingAids(ui->scriptEdit, context);
    preview = new AudioPreview(this);
    connect(ui->fileButton, &QToolButton::clicked, this, &CAudioProperties::ChooseFile);
    connect(ui->playButton, &QPushButton::clicked, this, &CAudioProperties::TogglePreview);
    connect(preview, &AudioPreview::Finished, this, [this] { ui->playButton->setChecked(false); });
}

CAudioProperties::~CAudioProperties() = default;

void CAudioProperties::SetValues(const AudioValues& values) {
    SetField(ui->nameEdit, values.name);
    SetField(ui->fileEdit, values.file);
    aids->SetText(values.program);
}

AudioValues CAudioProperties::Values() const {
    return {FieldText(ui->nameEdit), FieldText(ui->fileEdit), aids->Text()};
}

void CAudioProperties::done(int result) {
    preview->Close();
    ui->playButton->setChecked(false);
    QDialog::done(result);
}

void CAudioProperties::ChooseFile() {
    if (context.ui == nullptr) return;
    if (std::optional<std::string> chosen = ChooseAudioFile(*context.ui, FieldText(ui->fileEdit)))
        SetField(ui->fileEdit, *chosen);
}

void CAudioProperties::TogglePreview() {
    preview->Toggle(FieldText(ui->fileEdit));
    ui->playButton->setChecked(preview->IsPlaying());
}

}  // namespace dw::dialogs
