#include "editor/KeyCaptureEdit.h"

#include <QKeyEvent>

#include "platform/qt/QtText.h"
#include "runtime/KeyCodes.h"

namespace dw {

KeyCaptureEdit::KeyCaptureEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    ShowKey(0, 0);
}

void KeyCaptureEdit::SetHotKey(int newKey, int newModifiers) {
    key = newKey;
    modifiers = newModifiers;
    ShowKey(key, modifiers);
}

void KeyCaptureEdit::ShowKey(int shownKey, int shownModifiers) {
    setText(qt::FromLatin1(HotKeyText(shownKey, shownModifiers)));
}

void KeyCaptureEdit::keyPressEvent(QKeyEvent* event) {
    const int flags = ModifierFlagsFromQt(event->modifiers());
    if (IsModifierKey(event->key())) {
        // Modifiers alone only show what is held so far.
        ShowKey(0, flags);
        return;
    }
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && flags == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if ((event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) && flags == 0) {
        SetHotKey(0, 0);
        emit HotKeyChanged();
        return;
    }
    const int vk = VirtualKeyFromQt(event->key(), event->modifiers());
    if (vk == 0) return;
    SetHotKey(vk, flags);
    emit HotKeyChanged();
}

void KeyCaptureEdit::keyReleaseEvent(QKeyEvent* event) {
    // Modifiers let go of without a key: back to the key held before.
    if (IsModifierKey(event->key())) ShowKey(key, modifiers);
}

void KeyCaptureEdit::contextMenuEvent(QContextMenuEvent*) {}

}  // namespace dw
