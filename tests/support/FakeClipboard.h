#pragma once
// A clipboard that lives in memory for tests.
#include <string>

#include "platform/Clipboard.h"

namespace dwtest {

class FakeClipboard : public dw::IClipboard {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override {
        text = value;
        ++setCount;
    }

    std::string text;
    int setCount = 0;
};

}  // namespace dwtest
