#pragma once
// The undo store: a ring of 100 snapshot texts of the element list. Snapshot k lives in slot
// k mod 100; at most 99 steps can be undone, the extra slot keeps the state Redo returns to.
// Consecutive records with the same operation code share one snapshot (a whole drag, a run
// of arrow keys); code 0 takes no snapshot and only separates such runs.
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace dw {

class UndoRing {
public:
    static constexpr int kSlots = 100;
    static constexpr int kMaxUndo = 99;
    // The code Undo records the present state under, for Redo.
    static constexpr int kRedoState = -1;

    using Snapshot = std::function<std::string()>;

    // Records an undo step for an operation with that code: takes a snapshot unless code is
    // 0 or equals the last code. Returns whether a snapshot was taken.
    bool Record(int code, const Snapshot& snapshot);
    // The snapshot Undo restores (the present state is kept for Redo first, when nothing was
    // undone yet); nothing when no step is available.
    std::optional<std::string> Undo(const Snapshot& present);
    // The snapshot Redo restores; nothing when no step is available.
    std::optional<std::string> Redo();

    bool CanUndo() const { return count >= 1; }
    bool CanRedo() const { return index + 1 < end; }

    int Index() const { return index; }
    int Count() const { return count; }
    int End() const { return end; }
    int LastCode() const { return lastCode; }

private:
    std::string& Slot(int k) { return snapshots[static_cast<std::size_t>(k % kSlots)]; }

    std::array<std::string, kSlots> snapshots;
    int index = -1;  // the snapshot Undo restores next
    int count = 0;   // undo steps available, at most 99
    int end = 0;     // one past the last snapshot Redo may reach
    int lastCode = -1;
};

}  // namespace dw
