#pragma once
// IClipboard on the system clipboard (QGuiApplication::clipboard()), plain text, each
// character one Latin-1 byte. Needs a QGuiApplication.
#include "platform/Clipboard.h"

namespace dw {

class QtClipboard : public IClipboard {
public:
    // "" when the clipboard holds no text; characters outside Latin-1 become "?".
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

}  // namespace dw
