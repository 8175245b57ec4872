#pragma once
// The primary links of a gauge's elements, in drawing order, as the server links take them
// to build the two subscription lists of a run (link/SubscriptionLists.h).
#include <vector>

#include "link/SubscriptionLists.h"

namespace dw {

class CElement;

// One entry per element from `first` on (following next): its linked server and variable.
// Elements whose linked server is 0 are included as they are; the list builder skips them.
std::vector<LinkedVariable> LinkedVariablesOf(const CElement* first);

}  // namespace dw
