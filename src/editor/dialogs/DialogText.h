#pragma once
// The dialogs hold every field as text, as the user typed it, and convert only when the
// values are handed back: numbers with the forgiving conversions of the file format (garbage
// reads as 0), colours as signed decimal 0x00BBGGRR values.
#include <QString>
#include <string>

#include "platform/Interaction.h"

class QLineEdit;
class QLabel;
class QPlainTextEdit;

namespace dw::dialogs {

// 8-bit program text to and from the widgets (Latin-1).
QString ToQ(const std::string& text);
std::string FromQ(const QString& text);

// A real number as a dialog shows it: the shortest form that reads back exactly, with ".0"
// added to whole numbers when withDecimal is set ("0.0", "12.25", "-90.0").
std::string FormatDialogReal(double value, bool withDecimal);

// Field access in 8-bit text.
void SetField(QLineEdit* edit, const std::string& text);
std::string FieldText(const QLineEdit* edit);
int FieldInt(const QLineEdit* edit);
float FieldReal(const QLineEdit* edit);
Colour FieldColour(const QLineEdit* edit);

// Script boxes hold CR LF line ends in the element; the text box shows plain line feeds.
void SetScript(QPlainTextEdit* box, const std::string& program);
std::string ScriptText(const QPlainTextEdit* box);

}  // namespace dw::dialogs
