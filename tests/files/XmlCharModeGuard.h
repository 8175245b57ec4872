#pragma once
// Sets the process-wide character mode for one test and restores the previous one after it.
#include "files/XmlNode.h"

namespace dwtest {

struct CharModeGuard {
    explicit CharModeGuard(dw::CharMode mode) : saved(dw::GetCharMode()) { dw::SetCharMode(mode); }
    ~CharModeGuard() { dw::SetCharMode(saved); }
    const dw::CharMode saved;
};

}  // namespace dwtest
