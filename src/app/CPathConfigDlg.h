#pragma once
// The image search folders ("Paths" in the settings store): a list in stored order with
// Add Path (the folder browser), Remove, Move Up and Move Down. However the dialog closes,
// the list is written back over the stored one.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "editor/EditorDialogs.h"

namespace Ui {
class CPathConfigDlg;
}

namespace dw {

// Folder counts beyond this in the store are read and cleared only up to it.
inline constexpr int kMaxSearchPaths = 4096;
inline constexpr char kAddPathText[] =
    "Please, select a folder that you want to be part of the search path, and then Click OK.";

class CPathConfigDlg : public QDialog {
    Q_OBJECT
public:
    // Reads the stored folders into the list.
    explicit CPathConfigDlg(const DialogContext& context, QWidget* parent = nullptr);
    ~CPathConfigDlg() override;

    // The folders in list order.
    std::vector<std::string> Folders() const;

    // Writes the list to the store, whether by Ok or otherwise.
    void done(int result) override;

private:
    int SelectedRow() const;
    void SelectRow(int row);
    void UpdateButtons();
    void AddPath();
    void RemovePath();
    void MoveSelected(int by);
    void WriteStore();

    DialogContext context;
    std::unique_ptr<Ui::CPathConfigDlg> ui;
    bool written = false;
};

}  // namespace dw
