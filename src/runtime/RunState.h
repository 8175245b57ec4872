#pragma once
// The process-wide state of the one run that may be going on: whether the frame loop goes
// on, and the element whose turn it is. The fault handlers read both; a signal handler may
// read them at any moment, so they are lock-free atomics.
#include <atomic>
#include <cstdint>

namespace dw {

class CElement;

// Set by the frame thread when its loop starts, cleared by whoever ends the run.
bool IsRunning();
void SetRunning(bool running);

// The element the frame loop (or a click) works on now, with its identity (its position in
// the list, counted from 1, as "RunTime"/"Element" names it); null and 0 between elements.
void SetCurrentElement(const CElement* element, std::int32_t identity);
const CElement* CurrentElement();
std::int32_t CurrentElementIdentity();

// The same atomics, for code that must not call functions (signal handlers).
std::atomic<std::int32_t>& CurrentElementIdentityCell();

}  // namespace dw
