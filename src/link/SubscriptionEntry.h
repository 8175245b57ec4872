#pragma once
// A subscription list entry and the 32-bit variable cells that clients write into.
//
// A subscription list is an array of entries ended by one whose offset is 0: number 0 can
// therefore never be subscribed, and entries behind a 0 are neither registered nor
// subscribed. The owner keeps every cell alive while the client is connected.
#include <atomic>
#include <cstdint>

namespace dw {

// One variable cell: written by a client's dispatcher thread while other threads read it,
// each access one whole, aligned 32-bit load or store. (The element model declares the same
// alias for the player's tables.)
using VariableCell = std::atomic<std::int32_t>;

struct SubscriptionEntry {
    std::int32_t offset = 0;       // variable number; 0 ends the list
    VariableCell* cell = nullptr;  // receives the variable's values
};

inline std::int32_t LoadCell(const VariableCell& cell) {
    return cell.load(std::memory_order_relaxed);
}
inline void StoreCell(VariableCell& cell, std::int32_t value) {
    cell.store(value, std::memory_order_relaxed);
}

}  // namespace dw
