#pragma once
// CZEKOConsoleDlg: the "ZEKO Monitor", a small tool window of the player that shows the
// live value of one subscribed variable, or the player's frame rate. Its "Data" list holds
// one entry per subscribed (variable, link) pair, "offset %d server %d", and "Frame Rate",
// each carrying the address of its cell; "Value" shows the selected cell as "%d", refreshed
// every 100 ms while the monitor is visible. F9 and Escape inside it hide it.
#include <QDialog>
#include <QTimer>
#include <memory>

#include "model/CElement.h"

namespace Ui {
class CZEKOConsoleDlg;
}

namespace dw {

class CZEKOConsoleDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 100;

    // A tool window of `owner`, created hidden.
    explicit CZEKOConsoleDlg(QWidget* owner);
    ~CZEKOConsoleDlg() override;

    void AddEntry(const QString& label, const VariableCell* cell);
    // Makes the first entry the selected one (its cell is then the one shown).
    void SelectFirstEntry();
    int EntryCount() const;
    QString EntryText(int index) const;
    // The cell of an entry (the address its entry carries).
    const VariableCell* EntryCell(int index) const;
    const VariableCell* ShownCell() const { return shown_; }
    QString ValueText() const;
    bool IsRefreshing() const { return timer_.isActive(); }

    // Writes the shown cell's value into "Value".
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Escape hides the monitor; it lives as long as the player.
    void reject() override { hide(); }

private:
    void SelectionChanged(int index);

    std::unique_ptr<Ui::CZEKOConsoleDlg> ui_;
    const VariableCell* shown_ = nullptr;
    QTimer timer_;
};

}  // namespace dw
