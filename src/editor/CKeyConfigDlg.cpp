#include "editor/CKeyConfigDlg.h"

#include <QEvent>

#include "editor/KeyCaptureEdit.h"
#include "platform/Interaction.h"
#include "platform/qt/QtText.h"
#include "ui_CKeyConfigDlg.h"

namespace dw {

CKeyConfigDlg::CKeyConfigDlg(const HotKeyList& current, ISettingsStore& store, IInteraction& ui,
                             QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::CKeyConfigDlg>()),
      list(Commands(), current),
      store(store),
      interaction(ui) {
    this->ui->setupUi(this);
    // A scrolling list of 20 entries rather than a pop-up as tall as the screen.
    this->ui->commandList->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    for (std::size_t i = 0; i < list.Size(); ++i)
        this->ui->commandList->addItem(qt::FromLatin1(list.Text(i)));
    this->ui->commandList->setCurrentIndex(0);
    ShowSelectedKey();
    this->ui->commandList->installEventFilter(this);
    connect(this->ui->commandList, &QComboBox::currentIndexChanged, this,
            [this] { ShowSelectedKey(); });
    connect(this->ui->assignButton, &QPushButton::clicked, this, [this] { Assign(); });
    connect(this->ui->okButton, &QPushButton::clicked, this, [this] {
        Save();
        accept();
    });
    connect(this->ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CKeyConfigDlg::~CKeyConfigDlg() = default;

QComboBox* CKeyConfigDlg::CommandList() const {
    return ui->commandList;
}
KeyCaptureEdit* CKeyConfigDlg::HotKeyField() const {
    return ui->hotKeyField;
}
QPushButton* CKeyConfigDlg::AssignButton() const {
    return ui->assignButton;
}
QPushButton* CKeyConfigDlg::OkButton() const {
    return ui->okButton;
}
QPushButton* CKeyConfigDlg::CancelButton() const {
    return ui->cancelButton;
}

void CKeyConfigDlg::ShowSelectedKey() {
    const int index = ui->commandList->currentIndex();
    if (index < 0) return;
    const HotKeyBinding& binding = list.Entry(static_cast<std::size_t>(index)).binding;
    ui->hotKeyField->SetHotKey(binding.key, binding.modifiers);
}

void CKeyConfigDlg::RefreshText(std::size_t i) {
    ui->commandList->setItemText(static_cast<int>(i), qt::FromLatin1(list.Text(i)));
}

void CKeyConfigDlg::Assign() {
    const int index = ui->commandList->currentIndex();
    if (index < 0) return;
    const std::size_t selected = static_cast<std::size_t>(index);
    list.Assign(selected, ui->hotKeyField->Key(), ui->hotKeyField->Modifiers(), interaction);
    // A conflict may have taken the key from another entry: every text is brought up to date.
    for (std::size_t i = 0; i < list.Size(); ++i) RefreshText(i);
    ui->commandList->setCurrentIndex(index);
    ShowSelectedKey();
}

void CKeyConfigDlg::CheckUnsavedChange() {
    const int index = ui->commandList->currentIndex();
    if (checking || index < 0) return;
    const HotKeyBinding& binding = list.Entry(static_cast<std::size_t>(index)).binding;
    if (ui->hotKeyField->Key() == binding.key && ui->hotKeyField->Modifiers() == binding.modifiers)
        return;
    checking = true;
    const Answer answer = interaction.ShowMessage(
        {"Save change?", "You changed last hot key without assign it. Save Changes?",
         Buttons::YesNo, Icon::Question, false});
    if (answer == Answer::Yes)
        Assign();
    else
        ShowSelectedKey();
    checking = false;
}

bool CKeyConfigDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->commandList && event->type() == QEvent::FocusIn) CheckUnsavedChange();
    return QDialog::eventFilter(watched, event);
}

void CKeyConfigDlg::Save() {
    SaveHotKeys(store, list.Bindings());
}

}  // namespace dw
