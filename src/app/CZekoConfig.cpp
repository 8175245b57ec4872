#include "app/CZekoConfig.h"

#include "files/AttributeCodec.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/qt/QtText.h"
#include "ui_CZekoConfig.h"

namespace dw {

namespace {

QString EntryText(int index, const std::string& alias) {
    return QString::fromLatin1(index == 0 ? "1.-" : "2.-") + qt::FromLatin1(alias);
}

}  // namespace

CZekoConfig::CZekoConfig(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CZekoConfig>()) {
    ui->setupUi(this);
    connect(ui->linkCombo, &QComboBox::currentIndexChanged, this, &CZekoConfig::OnLinkSelected);
    connect(ui->aliasEdit, &QLineEdit::textEdited, this, &CZekoConfig::OnAliasEdited);
}

CZekoConfig::~CZekoConfig() = default;

void CZekoConfig::SetLinks(const GaugeLink& link1, const GaugeLink& link2) {
    links = {link1, link2};
    const bool link2Failed = context.settings != nullptr &&
                             context.settings->ReadInt(settings::kRunTime, settings::kLastError,
                                                       0) == settings::kLink2Unreachable;
    filling = true;
    ui->linkCombo->clear();
    ui->linkCombo->addItem(EntryText(0, links[0].alias));
    ui->linkCombo->addItem(EntryText(1, links[1].alias));
    shown = link2Failed ? 1 : 0;
    ui->linkCombo->setCurrentIndex(shown);
    filling = false;
    ShowFields();
}

void CZekoConfig::accept() {
    StoreFields();
    QDialog::accept();
}

void CZekoConfig::OnLinkSelected(int index) {
    if (filling || index < 0 || index > 1 || index == shown) return;
    StoreFields();
    shown = index;
    ShowFields();
}

void CZekoConfig::StoreFields() {
    GaugeLink& link = links[static_cast<std::size_t>(shown)];
    link.alias = qt::ToLatin1(ui->aliasEdit->text());
    link.port = ParseInt(qt::ToLatin1(ui->portEdit->text()));
    link.ip = ui->ipEdit->Address();
}

void CZekoConfig::ShowFields() {
    const GaugeLink& link = links[static_cast<std::size_t>(shown)];
    ui->aliasEdit->setText(qt::FromLatin1(link.alias));
    ui->portEdit->setText(QString::number(link.port));
    ui->ipEdit->SetAddress(link.ip);
}

void CZekoConfig::OnAliasEdited() {
    // The list entry follows the alias as it is typed.
    ui->linkCombo->setItemText(shown, EntryText(shown, qt::ToLatin1(ui->aliasEdit->text())));
}

}  // namespace dw
