#include "runtime/SubscriptionFromElements.h"

#include "model/CElement.h"

namespace dw {

std::vector<LinkedVariable> LinkedVariablesOf(const CElement* first) {
    std::vector<LinkedVariable> links;
    for (const CElement* element = first; element; element = element->GetNext())
        links.push_back({element->GetLinkedServer(), element->GetLinkedOffset()});
    return links;
}

}  // namespace dw
