#pragma once
// The colour chooser of every "..." colour button: the desktop's colour dialog starting at
// the field's colour, sharing the gauge's 16 custom colours, and small swatches that show a
// colour beside its field.
#include <QIcon>
#include <optional>

#include "editor/EditorDialogs.h"

class QAbstractButton;
class QLineEdit;

namespace dw::dialogs {

// Asks for a colour starting at initial; nothing when the user cancelled. Without a gauge
// (no custom colours in the context) a program-wide table stands in.
std::optional<Colour> ChooseColour(const DialogContext& context, Colour initial);

// A filled square of the colour, for colour buttons.
QIcon ColourSwatch(Colour colour);

// Ties a colour field to its "..." button: the button opens the chooser at the field's
// number and writes the choice back as decimal text; the button's swatch follows the field.
void LinkColourField(const DialogContext& context, QLineEdit* field, QAbstractButton* button);

}  // namespace dw::dialogs
