#pragma once
// What the editing commands work on: the gauge document, the window that holds it (undo
// steps, menu states, the status line, the owner of new elements), the user, and the alias
// conversions around every properties dialog.
#include <functional>

#include "model/CGaugeDocument.h"
#include "model/GaugeHost.h"
#include "platform/Interaction.h"

namespace dw {

struct EditContext {
    CGaugeDocument& doc;
    IGaugeHost& host;
    IInteraction& ui;
    // Variable numbers to alias names before a properties dialog opens.
    std::function<void(CElement&)> numbersToNames{};
    // Names back to numbers (and the primary link read again) after it closed.
    std::function<void(CElement&)> namesToNumbers{};

    void RecordUndo(int code) { host.RecordUndo(code); }
    void ToNames(CElement& e) const {
        if (numbersToNames) numbersToNames(e);
    }
    void ToNumbers(CElement& e) const {
        if (namesToNumbers) namesToNumbers(e);
    }
};

// Undo codes of the editing commands.
namespace undo {
inline constexpr int kSeparate = 0;
inline constexpr int kMove = 1;
inline constexpr int kDrop = 2;
inline constexpr int kPaste = 3;
inline constexpr int kImport = 4;
inline constexpr int kInsertImage = 5;
inline constexpr int kInsertText = 6;
inline constexpr int kInsertBasicGraph = 7;
inline constexpr int kInsertGauge = 8;
inline constexpr int kDuplicate = 9;
inline constexpr int kFront = 10;
inline constexpr int kBack = 11;
inline constexpr int kResize = 13;
inline constexpr int kDelete = 15;
inline constexpr int kGroup = 16;
inline constexpr int kUngroup = 17;
inline constexpr int kProperties = 18;
inline constexpr int kAlignTop = 19;
inline constexpr int kAlignLeft = 20;
inline constexpr int kAlignRight = 21;
inline constexpr int kAlignBottom = 22;
inline constexpr int kSameWidth = 23;
inline constexpr int kSameHeight = 24;
inline constexpr int kAlignCenter = 25;
inline constexpr int kAlignVertical = 26;
inline constexpr int kAlignHorizontal = 27;
inline constexpr int kLocked = 28;
}  // namespace undo

}  // namespace dw
