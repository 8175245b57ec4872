#pragma once
// Installs element hooks for one test and puts the previous set back afterwards.
#include "model/ElementHooks.h"

namespace dwtest {

class HooksGuard {
public:
    explicit HooksGuard(dw::ElementHooks hooks) : previous(dw::CurrentElementHooks()) {
        dw::InstallElementHooks(std::move(hooks));
    }
    ~HooksGuard() { dw::InstallElementHooks(previous); }
    HooksGuard(const HooksGuard&) = delete;
    HooksGuard& operator=(const HooksGuard&) = delete;

private:
    dw::ElementHooks previous;
};

}  // namespace dwtest
