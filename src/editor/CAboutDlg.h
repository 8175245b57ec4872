#pragma once
// The About box: the program's name and version, its makers, and the release notes.
#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class CAboutDlg;
}

namespace dw {

// The release notes shown in the About box, lines ending in CR LF.
std::string AboutNotesText();

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // The texts shown (for tests).
    QString VersionText() const;
    QString NotesText() const;

private:
    std::unique_ptr<Ui::CAboutDlg> ui;
};

}  // namespace dw
