#include "editor/UndoRing.h"

#include <algorithm>

namespace dw {

bool UndoRing::Record(int code, const Snapshot& snapshot) {
    if (code == 0 || code == lastCode) {
        lastCode = code;
        return false;
    }
    std::string text = snapshot();
    if (code == kRedoState) {
        Slot(end) = std::move(text);
    } else {
        count = std::min(count + 1, kMaxUndo);
        ++index;
        end = index + 1;
        Slot(index) = std::move(text);
    }
    lastCode = code;
    return true;
}

std::optional<std::string> UndoRing::Undo(const Snapshot& present) {
    if (count < 1) return std::nullopt;
    if (index + 1 == end) Record(kRedoState, present);
    --count;
    std::string text = Slot(index);
    --index;
    return text;
}

std::optional<std::string> UndoRing::Redo() {
    if (index + 1 >= end) return std::nullopt;
    index += 2;
    std::string text = Slot(index);
    --index;
    count = std::min(count + 1, kMaxUndo);
    return text;
}

}  // namespace dw
