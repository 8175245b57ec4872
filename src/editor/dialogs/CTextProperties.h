#pragma once
// The text element's properties dialog: the shared fields, the font with its "TEXT SAMPLE"
// preview, text and background colours, the alignment lists, the text itself, the border
// and the program.
#include <QDialog>
#include <memory>

#include "editor/EditorDialogs.h"
#include "render/ElementProperties.h"

namespace Ui {
class CTextProperties;
}

namespace dw::dialogs {

class ScriptTypingAids;

class CTextProperties : public QDialog {
    Q_OBJECT
public:
    explicit CTextProperties(const DialogContext& context, QWidget* parent = nullptr);
    ~CTextProperties() override;

    void SetValues(const TextProperties& values);
    TextProperties Values() const;

private:
    void ChooseFont();
    void ChooseTextColour(bool background);
    void ShowSampleColours();

    DialogContext context;
    std::unique_ptr<Ui::CTextProperties> ui;
    ScriptTypingAids* aids = nullptr;
};

// The alignment flags of the two lists and back: horizontal 0 left, 1 centre, 2 right plus
// vertical 0 top, 4 centre, 8 bottom.
int AlignmentFlags(int verticalIndex, int horizontalIndex);
int VerticalIndexOf(int position);
int HorizontalIndexOf(int position);

}  // namespace dw::dialogs
