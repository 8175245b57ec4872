#include "editor/dialogs/ScriptTypingAids.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "editor/dialogs/AliasFileLines.h"
#include "editor/dialogs/CNameSearchDlg.h"
#include "editor/dialogs/ColourChoice.h"
#include "editor/dialogs/DialogText.h"
#include "files/AttributeCodec.h"

namespace dw::dialogs {

namespace {

// The colour chooser of the aids starts at the last colour chosen through them.
Colour lastAidColour = 0;

// Where the "?" of pattern lies: the occurrence that ends at the caret when there is one
// (the user just typed it), else the first; -1 when the text holds none.
int QuestionOf(const QString& text, const char* pattern, int caret) {
    const QString wanted = QString::fromLatin1(pattern);
    const int atCaret = caret - static_cast<int>(wanted.size());
    if (atCaret >= 0 && text.mid(atCaret, wanted.size()) == wanted) return caret - 1;
    const int first = static_cast<int>(text.indexOf(wanted));
    return first < 0 ? -1 : first + static_cast<int>(wanted.size()) - 1;
}

}  // namespace

std::optional<std::string> RunNameSearch(const DialogContext& context, QWidget* parent) {
    CNameSearchDlg search(context, parent);
    if (search.exec() != QDialog::Accepted) return std::nullopt;
    return NameOfSearchItem(search.SelectedItem());
}

ScriptTypingAids::ScriptTypingAids(QPlainTextEdit* watched, const DialogContext& ctx)
    : QObject(watched), box(watched), context(ctx) {
    // Programs read best in a fixed font, one statement per line, unwrapped.
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setTabStopDistance(4 * box->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    connect(box, &QPlainTextEdit::textChanged, this, &ScriptTypingAids::OnTextChanged);
}

void ScriptTypingAids::SetText(const std::string& program) {
    busy = true;
    SetScript(box, program);
    busy = false;
}

std::string ScriptTypingAids::Text() const {
    return ScriptText(box);
}

void ScriptTypingAids::OnTextChanged() {
    if (busy) return;
    busy = true;
    // Each pass removes one "?", so a text holding several aids ends.
    while (HandleOne()) {
    }
    busy = false;
}

bool ScriptTypingAids::HandleOne() {
    const QString text = box->toPlainText();
    const int caret = box->textCursor().position();
    if (const int at = QuestionOf(text, kColourAid, caret); at >= 0) {
        const std::optional<Colour> chosen = ChooseColour(context, lastAidColour);
        if (chosen) lastAidColour = *chosen;
        ReplaceQuestionAt(at, chosen ? ToQ(FormatColour(*chosen)) : QString());
        return true;
    }
    if (const int at = QuestionOf(text, kOffsetAid, caret); at >= 0) {
        const std::optional<std::string> name = RunNameSearch(context, box->window());
        ReplaceQuestionAt(at, name ? ToQ(*name) : QString());
        return true;
    }
    return false;
}

void ScriptTypingAids::ReplaceQuestionAt(int position, const QString& value) {
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    cursor.insertText(value);
    box->setTextCursor(cursor);
}

}  // namespace dw::dialogs
