#pragma once
// The typing aids of every script box. Typing "color ?" opens the colour chooser and
// "offset ?" the name search; OK puts the colour's number or the variable's alias name where
// the "?" was, Cancel removes the "?", and the caret ends after the inserted text.
//
// The aids react to the user's edits only: programs shown by the dialog go through SetText.
#include <QObject>
#include <optional>
#include <string>

#include "editor/EditorDialogs.h"

class QPlainTextEdit;

namespace dw::dialogs {

inline constexpr char kColourAid[] = "color ?";
inline constexpr char kOffsetAid[] = "offset ?";

// Runs the name search modally over parent; the alias name of the chosen item (possibly
// empty), or nothing when the user cancelled.
std::optional<std::string> RunNameSearch(const DialogContext& context, QWidget* parent);

class ScriptTypingAids : public QObject {
    Q_OBJECT
public:
    // Watches box (which must outlive nothing: the aids are its child).
    ScriptTypingAids(QPlainTextEdit* box, const DialogContext& context);

    // Shows a program without triggering the aids.
    void SetText(const std::string& program);
    // The box's text with CR LF line ends.
    std::string Text() const;

private:
    void OnTextChanged();
    // Handles the first pending aid; false when the text holds none.
    bool HandleOne();
    void ReplaceQuestionAt(int position, const QString& value);

    QPlainTextEdit* box;
    DialogContext context;
    bool busy = false;
};

}  // namespace dw::dialogs
