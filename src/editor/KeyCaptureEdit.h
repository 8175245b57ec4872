#pragma once
// A one-line field that takes a hot key: pressing a key with any of Shift, Ctrl and Alt shows
// it ("Ctrl+Alt+R") and keeps its virtual-key code and modifier flags. Backspace or Delete
// alone empties the field ("None"); Tab still moves the focus on.
#include <QLineEdit>

namespace dw {

class KeyCaptureEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyCaptureEdit(QWidget* parent = nullptr);

    void SetHotKey(int key, int modifiers);
    int Key() const { return key; }
    int Modifiers() const { return modifiers; }
    bool IsEmpty() const { return key == 0 && modifiers == 0; }

signals:
    void HotKeyChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The field edits no text of its own (no context menu, no pasting).
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ShowKey(int shownKey, int shownModifiers);

    int key = 0;
    int modifiers = 0;
};

}  // namespace dw
