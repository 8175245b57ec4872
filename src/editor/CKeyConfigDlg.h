#pragma once
// CKeyConfigDlg: the hot-key dialog. It lists every menu command by its menu path
// ("\Gauge\Save", " (Assigned)" when it has a key), shows and takes the selected command's
// key, resolves conflicts, asks before a changed key is lost, and on Ok writes every command's
// key to the settings store (section "Keys").
#include <QDialog>
#include <memory>

#include "editor/KeyConfigList.h"

namespace Ui {
class CKeyConfigDlg;
}

class QComboBox;
class QPushButton;

namespace dw {

class IInteraction;
class ISettingsStore;
class KeyCaptureEdit;

class CKeyConfigDlg : public QDialog {
    Q_OBJECT
public:
    CKeyConfigDlg(const HotKeyList& current, ISettingsStore& store, IInteraction& ui,
                  QWidget* parent = nullptr);
    ~CKeyConfigDlg() override;

    const KeyConfigList& List() const { return list; }
    QComboBox* CommandList() const;
    KeyCaptureEdit* HotKeyField() const;
    QPushButton* AssignButton() const;
    QPushButton* OkButton() const;
    QPushButton* CancelButton() const;

    // "Assign": the field's key goes to the selected command.
    void Assign();
    // The check made when the command list gets the focus: a key typed into the field but
    // not assigned is assigned (Yes) or dropped (No).
    void CheckUnsavedChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSelectedKey();
    void RefreshText(std::size_t i);
    void Save();

    std::unique_ptr<Ui::CKeyConfigDlg> ui;
    KeyConfigList list;
    ISettingsStore& store;
    IInteraction& interaction;
    bool checking = false;
};

}  // namespace dw
