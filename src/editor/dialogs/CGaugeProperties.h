#pragma once
// The gauge-wide properties: title, offsets alias file (choose, edit, checked on OK),
// desired frame rate, background colour, the editor window's place, and whether the gauge
// starts playing when it is opened.
#include <QDialog>
#include <memory>

#include "editor/EditorDialogs.h"

namespace Ui {
class CGaugeProperties;
}

namespace dw::dialogs {

// The frame rate label: "Desired FPS for this gauge: %s" with the number, or "Auto" at 40.
std::string FrameRateLabel(int fps);

class CGaugeProperties : public QDialog {
    Q_OBJECT
public:
    explicit CGaugeProperties(const DialogContext& context, QWidget* parent = nullptr);
    ~CGaugeProperties() override;

    void SetValues(const GaugePropertiesValues& values);
    GaugePropertiesValues Values() const;

    // OK: a missing alias file asks whether to choose another one (and then stays open).
    void accept() override;

private:
    // "...": the uppercase warning, then the alias file chooser.
    void ChooseAliasFile();
    // "Edit": the alias file in the desktop's text editor, created first when missing.
    void EditAliasFile();
    void UpdatePositionFields();
    void UpdateFrameRateLabel();

    DialogContext context;
    std::unique_ptr<Ui::CGaugeProperties> ui;
    std::string gaugePath;
};

}  // namespace dw::dialogs
