#pragma once
// The system clipboard, plain 8-bit text only. The program uses the Qt implementation
// (platform/qt/QtClipboard.h), tests a fake.
#include <string>

namespace dw {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // The clipboard's text ("" when it holds none).
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace dw
