#include "editor/CAboutDlg.h"

#include "editor/ProgramIcon.h"
#include "files/GaugeVersion.h"
#include "platform/qt/QtText.h"
#include "ui_CAboutDlg.h"

namespace dw {

std::string AboutNotesText() {
    std::string text = "Version 2.0 Sep-2008.\r\n";
    text += "New in this Version:\r\n";
    text += "\tEdit Copy, Paste and Undo commands.\r\n";
    text +=
        "\tNow you can add comments in scripts such as : value /= 200 /* to convert in lb */ "
        "(Comments can be write using /* /* pair for multiple lines or // for single lines.\r\n";
    text += "\tCan select all elements.\r\n";
    text += "\tUse custom colors on fonts.\r\n";
    text += "\tShare same array of custom colors on all elements.\r\n";
    text += "\tSave and load custom colors array with the gauge.\r\n";
    text += "\tOn link stament specify the server ZEKO with a number or with the alias.\r\n";
    text += "\tSpecify background color on texts.\r\n";
    text += "\tNew staments, setcolor, setbackground, setfile, changecolor.\r\n";
    text += "\tSome bugs corrected.\r\n";
    text += "\tand much more....\r\n";
    text += "Maybe, next Version will include:\r\n";
    text += "\tGroup Align, instead 'elements' of each Group align.\r\n";
    text += "\tNo limits for the ZEKO Clients number.\r\n";
    text += "\tAutocheck & download new Software Versions.\r\n";
    text += "\r\n";
    text += "Thank for using ZEKO.\r\n";
    text += std::string("Questions, ideas and bug reports are welcome at ") + kDialwrightWebSite +
            "\r\n";
    return text;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::CAboutDlg>()) {
    ui->setupUi(this);
    ui->iconLabel->setPixmap(ProgramIcon().pixmap(48, 48));
    QString notes = qt::FromLatin1(AboutNotesText());
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ui->notesEdit->setPlainText(notes);
    ui->notesEdit->setTabStopDistance(24);
}

CAboutDlg::~CAboutDlg() = default;

QString CAboutDlg::VersionText() const {
    return ui->versionLabel->text();
}

QString CAboutDlg::NotesText() const {
    return ui->notesEdit->toPlainText();
}

}  // namespace dw
