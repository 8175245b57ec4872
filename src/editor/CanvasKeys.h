#pragma once
// The keys the canvas uses itself (Tab cycling, arrows, Ctrl+arrows, Shift+Up/Down turning,
// Delete) and the mouse wheel, as plain functions over the document.
#include "editor/EditContext.h"

namespace dw {

// Handles Tab (9), the arrows (37 to 40) and Delete (46); false for every other key, which
// the window then tests as a hot key.
bool HandleCanvasKey(EditContext& edit, int virtualKey, bool shift, bool ctrl);

// Tab with exactly one element selected: selects the next element (Shift: the previous one;
// Ctrl: the next one overlapping the selected one's centre). Nothing otherwise.
void CycleSelection(EditContext& edit, bool backwards, bool overlapping);
// Moves every selected element (locked ones too) by one step.
void NudgeSelection(EditContext& edit, int dx, int dy);
// Grows or shrinks every selected element by one pixel (at least 1 x 1).
void ResizeSelection(EditContext& edit, int dx, int dy);
// One wheel notch: turns every selected, unlocked element one degree (forward clockwise).
void TurnSelection(EditContext& edit, bool forward);

}  // namespace dw
