#include "runtime/CZEKOConsoleDlg.h"

#include <QKeyEvent>

#include "ui_CZEKOConsoleDlg.h"

namespace dw {

CZEKOConsoleDlg::CZEKOConsoleDlg(QWidget* owner)
    : QDialog(owner, Qt::Tool), ui_(std::make_unique<Ui::CZEKOConsoleDlg>()) {
    ui_->setupUi(this);
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &CZEKOConsoleDlg::Refresh);
    connect(ui_->dataList, &QComboBox::currentIndexChanged, this,
            &CZEKOConsoleDlg::SelectionChanged);
}

CZEKOConsoleDlg::~CZEKOConsoleDlg() = default;

void CZEKOConsoleDlg::AddEntry(const QString& label, const VariableCell* cell) {
    // Adding to an empty list selects the entry by itself; the selection stays as the
    // player sets it (SelectFirstEntry).
    const QSignalBlocker quiet(ui_->dataList);
    ui_->dataList->addItem(label, QVariant::fromValue(reinterpret_cast<quintptr>(cell)));
    ui_->dataList->setCurrentIndex(-1);
}

void CZEKOConsoleDlg::SelectFirstEntry() {
    if (EntryCount() == 0) return;
    if (ui_->dataList->currentIndex() == 0)
        SelectionChanged(0);
    else
        ui_->dataList->setCurrentIndex(0);
}

int CZEKOConsoleDlg::EntryCount() const {
    return ui_->dataList->count();
}

QString CZEKOConsoleDlg::EntryText(int index) const {
    return ui_->dataList->itemText(index);
}

const VariableCell* CZEKOConsoleDlg::EntryCell(int index) const {
    if (index < 0 || index >= EntryCount()) return nullptr;
    return reinterpret_cast<const VariableCell*>(ui_->dataList->itemData(index).value<quintptr>());
}

QString CZEKOConsoleDlg::ValueText() const {
    return ui_->valueEdit->text();
}

void CZEKOConsoleDlg::SelectionChanged(int index) {
    shown_ = EntryCell(index);
}

void CZEKOConsoleDlg::Refresh() {
    if (shown_ == nullptr) return;
    ui_->valueEdit->setText(QString::number(shown_->load()));
}

void CZEKOConsoleDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
    timer_.start();
}

void CZEKOConsoleDlg::hideEvent(QHideEvent* event) {
    timer_.stop();
    QDialog::hideEvent(event);
}

void CZEKOConsoleDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F9) {
        hide();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace dw
