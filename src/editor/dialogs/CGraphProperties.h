#pragma once
// The image element's properties dialog: the shared fields, the image file with its chooser
// and size check, and the two programs on the tabs "ZEKO Change" (the main program) and
// "Mouse Click" (the click program) over one script box.
#include <QDialog>
#include <memory>

#include "editor/EditorDialogs.h"
#include "render/ElementProperties.h"

namespace Ui {
class CGraphProperties;
}

namespace dw::dialogs {

class ScriptTypingAids;

class CGraphProperties : public QDialog {
    Q_OBJECT
public:
    explicit CGraphProperties(const DialogContext& context, QWidget* parent = nullptr);
    ~CGraphProperties() override;

    void SetValues(const ImageProperties& values);
    // The fields converted; the script box counts as the program of the selected tab.
    ImageProperties Values() const;

private:
    void OnTabChanged(int index);
    // "...": the image chooser, then the "Change element size" question.
    void ChooseImage();

    DialogContext context;
    std::unique_ptr<Ui::CGraphProperties> ui;
    ScriptTypingAids* aids = nullptr;
    std::string programs[2];  // main, click
    int shownTab = 0;
};

}  // namespace dw::dialogs
