#pragma once
// The server links dialog: a list of the two links ("1.-" and "2.-" followed by the alias)
// and the alias, address and port of the selected one. Switching links keeps what was typed;
// Ok stores the fields into the selected link.
#include <QDialog>
#include <array>
#include <memory>

#include "editor/EditorDialogs.h"

namespace Ui {
class CZekoConfig;
}

namespace dw {

class CZekoConfig : public QDialog {
    Q_OBJECT
public:
    explicit CZekoConfig(const DialogContext& context, QWidget* parent = nullptr);
    ~CZekoConfig() override;

    // Fills the list and selects link 1, or link 2 after a run that could not reach it
    // ("RunTime"/"LastError" 9002).
    void SetLinks(const GaugeLink& link1, const GaugeLink& link2);
    // The links as edited; index 0 or 1.
    const GaugeLink& Link(int index) const { return links[index == 1 ? 1 : 0]; }

    void accept() override;

private:
    void OnLinkSelected(int index);
    void StoreFields();
    void ShowFields();
    void OnAliasEdited();

    DialogContext context;
    std::unique_ptr<Ui::CZekoConfig> ui;
    std::array<GaugeLink, 2> links;
    int shown = 0;
    bool filling = false;
};

}  // namespace dw
