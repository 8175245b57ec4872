#pragma once
// The editing commands of the Edit menu and its Elements sub-menu, each a plain function over
// the document. Every command that changes the gauge records its undo step first and marks
// the gauge modified; the caller updates the menu states and the status line afterwards.
#include "editor/EditContext.h"
#include "model/ElementKind.h"

namespace dw {

// ---- Inserting (EditInsert.cpp) ----------------------------------------------------------
// Records the kind's undo step (audio none), creates the element with its starting
// rectangle, opens its properties, converts its scripts back to numbers and appends it.
// Null when the kind is not registered.
CElement* InsertNewElement(EditContext& edit, ElementKind kind);
// The rectangle a new element of that kind starts with.
Rect NewElementRect(ElementKind kind);
// Copies every selected element 25 pixels lower right, deselects the sources and selects
// the copies (appended after the last element, in the order of their sources).
void DuplicateSelection(EditContext& edit);
// Element properties of the last selected element: undo step 18, names shown while the
// dialog is open, numbers again after it. False when nothing is selected.
bool EditSelectedProperties(EditContext& edit);
// The properties dialog of one element with the alias conversions around it; marks the
// gauge modified. No undo step.
void EditElementProperties(EditContext& edit, CElement& element);

// ---- Arranging (EditArrange.cpp) ---------------------------------------------------------
// Asks "Delete components"; on Yes destroys every selected element. False when nothing was
// selected or the user answered No.
bool DeleteSelection(EditContext& edit);
void GroupSelection(EditContext& edit);
void UngroupSelection(EditContext& edit);
void BringSelectionToFront(EditContext& edit);
void SendSelectionToBack(EditContext& edit);
void ToggleLocked(EditContext& edit);
void SelectAll(EditContext& edit);

// ---- Aligning and sizing (EditAlign.cpp) -------------------------------------------------
enum class AlignMode { Top, Left, Right, Bottom, Center, Vertical, Horizontal };
enum class SizeMode { Width, Height, WidthAndHeight };
// Align or size every selected element on the primary element; nothing without one.
void AlignSelection(EditContext& edit, AlignMode mode);
void SizeSelection(EditContext& edit, SizeMode mode);

// ---- Helpers -----------------------------------------------------------------------------
// The primary element (the first of the list that is primary), or null.
CElement* PrimaryElement(const ElementList& elements);
// How many elements are selected, counting up to `limit`.
int CountSelected(const ElementList& elements, int limit = 1 << 30);

}  // namespace dw
