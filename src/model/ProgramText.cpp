#include "model/ProgramText.h"

#include <atomic>

namespace dw {

std::uint64_t ProgramText::NewStamp() {
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace dw
