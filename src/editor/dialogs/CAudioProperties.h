#pragma once
// The audio element's properties dialog: name, sound file with its chooser, the program and
// a "Play" button that previews the file.
#include <QDialog>
#include <memory>
#include <string>

#include "editor/EditorDialogs.h"
#include "editor/dialogs/ElementDialogValues.h"

namespace Ui {
class CAudioProperties;
}

namespace dw::dialogs {

class AudioPreview;
class ScriptTypingAids;

class CAudioProperties : public QDialog {
    Q_OBJECT
public:
    explicit CAudioProperties(const DialogContext& context, QWidget* parent = nullptr);
    ~CAudioProperties() override;

    void SetValues(const AudioValues& values);
    AudioValues Values() const;

    const AudioPreview& Preview() const { return *preview; }

    // Closing the dialog, however it closes, stops the preview.
    void done(int result) override;

private:
    void ChooseFile();
    void TogglePreview();

    DialogContext context;
    std::unique_ptr<Ui::CAudioProperties> ui;
    ScriptTypingAids* aids = nullptr;
    AudioPreview* preview = nullptr;
};

}  // namespace dw::dialogs
