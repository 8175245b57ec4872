#pragma once
// Sets the process-wide character mode for one test and restores the previous one after it.
#include "files/XmlNode.h"

namespace dwtest {

class CharModeGuard {
public:
    explicit CharModeGuard(dw::CharMode mode) : saved_(dw::GetCharMode()) { dw::SetCharMode(mode); }
    ~CharModeGuard() { dw::SetCharMode(saved_); }
    CharModeGuard(const CharModeGuard&) = delete;
    CharModeGuard& operator=(const CharModeGuard&) = delete;

private:
    dw::CharMode saved_;
};

}  // namespace dwtest
