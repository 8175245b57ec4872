#pragma once
// The one mapping between Qt's keys and the key numbers hot keys are stored with: virtual-key
// codes (F5 is 116, "A" is 65, Left is 37) and the modifier flags 1 Shift, 2 Ctrl, 4 Alt
// (8, the extended-key flag, may be stored but is never tested). Loading, matching and the
// key dialog all go through it.
#include <Qt>
#include <string>

namespace dw {

inline constexpr int kModShift = 1;
inline constexpr int kModCtrl = 2;
inline constexpr int kModAlt = 4;
inline constexpr int kModExtended = 8;

// Virtual-key codes the editor handles itself.
inline constexpr int kVkTab = 9;
inline constexpr int kVkBackspace = 8;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;
inline constexpr int kVkDelete = 46;
inline constexpr int kVkF5 = 116;

// The virtual-key code of a Qt key; keypad digits and operators get their own codes when
// the keypad modifier is set. Shifted symbols of a US keyboard ("!" or "{") give the code of
// their unshifted key. 0 for keys that have no code (including the modifier keys alone).
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The Qt key of a virtual-key code (Qt::Key_unknown when there is none).
int QtKeyFromVirtualKey(int vk);
// True for the keys Shift, Ctrl, Alt and Meta themselves.
bool IsModifierKey(int qtKey);

// Modifier flags of Qt modifiers (Shift, Control and Alt only).
int ModifierFlagsFromQt(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers QtModifiersFromFlags(int flags);

// The readable name of a key ("R", "F5", "Left", "Num 7"), "" for 0.
std::string VirtualKeyName(int vk);
// A key with its modifiers as a user reads it: "Ctrl+Alt+R"; "None" for no key and no
// modifiers; modifiers alone end with "+" ("Ctrl+").
std::string HotKeyText(int vk, int flags);

}  // namespace dw
