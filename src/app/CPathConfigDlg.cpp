#include "app/CPathConfigDlg.h"

#include <algorithm>

#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/qt/QtText.h"
#include "ui_CPathConfigDlg.h"

namespace dw {

namespace {

std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

int StoredTotal(const ISettingsStore& store) {
    return std::clamp(store.ReadInt(settings::kPaths, settings::kTotal, 0), 0, kMaxSearchPaths);
}

}  // namespace

CPathConfigDlg::CPathConfigDlg(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CPathConfigDlg>()) {
    ui->setupUi(this);
    if (context.settings != nullptr) {
        const int total = StoredTotal(*context.settings);
        for (int i = 1; i <= total; ++i) {
            const std::string folder =
                Trimmed(context.settings->ReadString(settings::kPaths, settings::PathKey(i), ""));
            if (!folder.empty()) ui->pathList->addItem(qt::PathFromBytes(folder));
        }
    }
    connect(ui->pathList, &QListWidget::itemSelectionChanged, this, &CPathConfigDlg::UpdateButtons);
    connect(ui->addButton, &QPushButton::clicked, this, &CPathConfigDlg::AddPath);
    connect(ui->removeButton, &QPushButton::clicked, this, &CPathConfigDlg::RemovePath);
    connect(ui->upButton, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(ui->downButton, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    UpdateButtons();
}

CPathConfigDlg::~CPathConfigDlg() = default;

std::vector<std::string> CPathConfigDlg::Folders() const {
    std::vector<std::string> folders;
    for (int i = 0; i < ui->pathList->count(); ++i)
        folders.push_back(qt::PathToBytes(ui->pathList->item(i)->text()));
    return folders;
}

void CPathConfigDlg::done(int result) {
    WriteStore();
    QDialog::done(result);
}

int CPathConfigDlg::SelectedRow() const {
    const QList<QListWidgetItem*> selected = ui->pathList->selectedItems();
    return selected.isEmpty() ? -1 : ui->pathList->row(selected.front());
}

void CPathConfigDlg::SelectRow(int row) {
    if (row < 0 || row >= ui->pathList->count()) return;
    ui->pathList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void CPathConfigDlg::UpdateButtons() {
    const int row = SelectedRow();
    ui->removeButton->setEnabled(row >= 0);
    ui->upButton->setEnabled(row > 0);
    ui->downButton->setEnabled(row >= 0 && row < ui->pathList->count() - 1);
}

void CPathConfigDlg::AddPath() {
    if (context.ui == nullptr) return;
    const std::optional<std::string> folder = context.ui->BrowseFolder(kAddPathText, "");
    if (!folder) return;
    const int selected = SelectedRow();
    const int row = selected < 0 ? ui->pathList->count() : selected;
    ui->pathList->insertItem(row, qt::PathFromBytes(*folder));
    SelectRow(row);
    UpdateButtons();
}

void CPathConfigDlg::RemovePath() {
    const int row = SelectedRow();
    if (row < 0) return;
    delete ui->pathList->takeItem(row);
    SelectRow(row == 0 ? 0 : row - 1);
    UpdateButtons();
}

void CPathConfigDlg::MoveSelected(int by) {
    const int row = SelectedRow();
    const int target = row + by;
    if (row < 0 || target < 0 || target >= ui->pathList->count()) return;
    QListWidgetItem* item = ui->pathList->takeItem(row);
    ui->pathList->insertItem(target, item);
    SelectRow(target);
    UpdateButtons();
}

void CPathConfigDlg::WriteStore() {
    if (written || context.settings == nullptr) return;
    written = true;
    ISettingsStore& store = *context.settings;
    const int oldTotal = StoredTotal(store);
    for (int i = 1; i <= oldTotal; ++i)
        store.WriteString(settings::kPaths, settings::PathKey(i), "");
    const std::vector<std::string> folders = Folders();
    store.WriteInt(settings::kPaths, settings::kTotal, static_cast<std::int32_t>(folders.size()));
    for (std::size_t i = 0; i < folders.size(); ++i)
        store.WriteString(settings::kPaths, settings::PathKey(static_cast<int>(i) + 1), folders[i]);
}

}  // namespace dw
