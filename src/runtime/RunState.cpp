#include "runtime/RunState.h"

namespace dw {

namespace {

std::atomic<bool> running{false};
std::atomic<const CElement*> currentElement{nullptr};
std::atomic<std::int32_t> currentIdentity{0};

static_assert(std::atomic<std::int32_t>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);

}  // namespace

bool IsRunning() {
    return running.load();
}

void SetRunning(bool value) {
    running.store(value);
}

void SetCurrentElement(const CElement* element, std::int32_t identity) {
    currentElement.store(element);
    currentIdentity.store(identity);
}

const CElement* CurrentElement() {
    return currentElement.load();
}

std::int32_t CurrentElementIdentity() {
    return currentIdentity.load();
}

std::atomic<std::int32_t>& CurrentElementIdentityCell() {
    return currentIdentity;
}

}  // namespace dw
