#pragma once
// Buttons, icons and answers of message boxes in QMessageBox terms.
#include <QMessageBox>

#include "platform/Interaction.h"

namespace dw::qt {

QMessageBox::StandardButtons ToStandardButtons(Buttons buttons);
// The button that has the focus first: the first one, as on the program's home platform.
QMessageBox::StandardButton DefaultButton(Buttons buttons);
QMessageBox::Icon ToMessageIcon(Icon icon);
// The answer for the button pressed; a result that is none of the offered buttons (the box
// was closed) gives DismissAnswer(buttons).
Answer ToAnswer(int result, Buttons buttons);

}  // namespace dw::qt
