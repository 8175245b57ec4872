#pragma once
// The gauge-wide show flag of the player (script statements "switchon" and "switchoff").
// While it is off no element draws in run mode; the editor ignores it. It starts on and the
// player sets it on again when it opens. Reading and writing are atomic, so the frame
// thread and the window thread may both use it.

namespace dw {

bool IsGlobalSwitchOn();
void SetGlobalSwitch(bool on);

}  // namespace dw
