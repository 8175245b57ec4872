#pragma once
// The name search: a filter and the list of alias entries ("%05d - %s") whose text holds it.
// Its result is the selected item's text. Without an alias file it offers to choose one.
#include <QDialog>
#include <memory>
#include <string>

#include "editor/EditorDialogs.h"

namespace Ui {
class CNameSearchDlg;
}

namespace dw::dialogs {

class CNameSearchDlg : public QDialog {
    Q_OBJECT
public:
    // Fills the list at once (asking for an alias file when none is known).
    explicit CNameSearchDlg(const DialogContext& context, QWidget* parent = nullptr);
    ~CNameSearchDlg() override;

    // The selected item's text; empty when nothing is selected.
    std::string SelectedItem() const;

protected:
    // The arrow and page keys in the filter move through the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refill();
    // The remembered alias file, after offering to choose one when there is none.
    std::string AliasFileOrAsk();

    DialogContext context;
    std::unique_ptr<Ui::CNameSearchDlg> ui;
};

}  // namespace dw::dialogs
