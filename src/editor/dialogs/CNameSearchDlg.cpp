#include "editor/dialogs/CNameSearchDlg.h"

#include <QApplication>
#include <QKeyEvent>

#include "editor/dialogs/AliasFileChoice.h"
#include "editor/dialogs/AliasFileLines.h"
#include "editor/dialogs/DialogText.h"
#include "ui_CNameSearchDlg.h"

namespace dw::dialogs {

namespace {
constexpr char kNoAliasTitle[] = "No alias file defined";
constexpr char kNoAliasText[] = "No alias file is defined.\nDo you want select an alias file now?";
}  // namespace

CNameSearchDlg::CNameSearchDlg(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CNameSearchDlg>()) {
    ui->setupUi(this);
    connect(ui->filterEdit, &QLineEdit::textChanged, this, &CNameSearchDlg::Refill);
    connect(ui->nameList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    ui->filterEdit->installEventFilter(this);
    Refill();
}

CNameSearchDlg::~CNameSearchDlg() = default;

bool CNameSearchDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->filterEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QApplication::sendEvent(ui->nameList, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::string CNameSearchDlg::SelectedItem() const {
    const QListWidgetItem* item = ui->nameList->currentItem();
    return item != nullptr && item->isSelected() ? FromQ(item->text()) : std::string();
}

std::string CNameSearchDlg::AliasFileOrAsk() {
    std::string path = context.aliasFile ? context.aliasFile() : std::string();
    if (!path.empty() || context.ui == nullptr) return path;
    const Answer answer =
        context.ui->Message(kNoAliasTitle, kNoAliasText, Icon::Question, Buttons::YesNo);
    if (answer != Answer::Yes) return path;
    if (std::optional<std::string> chosen = ChooseAliasFile(*context.ui, path)) {
        path = *chosen;
        if (context.aliasFileChosen) context.aliasFileChosen(path);
    }
    return path;
}

void CNameSearchDlg::Refill() {
    ui->nameList->clear();
    const std::string path = AliasFileOrAsk();
    if (path.empty()) return;
    for (const std::string& item :
         ReadNameSearchItems(AliasFileOnDisk(path), FieldText(ui->filterEdit)))
        ui->nameList->addItem(ToQ(item));
    if (ui->nameList->count() > 0) ui->nameList->setCurrentRow(0);
}

}  // namespace dw::dialogs
