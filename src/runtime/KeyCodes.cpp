#include "runtime/KeyCodes.h"

#include <array>

namespace dw {

namespace {

struct KeyPair {
    int qt;
    int vk;
    const char* name;
};

// Keys outside the letter, digit and function-key ranges.
constexpr std::array<KeyPair, 42> kNamedKeys{{
    {Qt::Key_Backspace, 8, "Backspace"},
    {Qt::Key_Tab, 9, "Tab"},
    {Qt::Key_Clear, 12, "Clear"},
    {Qt::Key_Return, 13, "Enter"},
    {Qt::Key_Pause, 19, "Pause"},
    {Qt::Key_CapsLock, 20, "Caps Lock"},
    {Qt::Key_Escape, 27, "Esc"},
    {Qt::Key_Space, 32, "Space"},
    {Qt::Key_PageUp, 33, "Page Up"},
    {Qt::Key_PageDown, 34, "Page Down"},
    {Qt::Key_End, 35, "End"},
    {Qt::Key_Home, 36, "Home"},
    {Qt::Key_Left, 37, "Left"},
    {Qt::Key_Up, 38, "Up"},
    {Qt::Key_Right, 39, "Right"},
    {Qt::Key_Down, 40, "Down"},
    {Qt::Key_Select, 41, "Select"},
    {Qt::Key_Print, 44, "Print"},
    {Qt::Key_Insert, 45, "Insert"},
    {Qt::Key_Delete, 46, "Delete"},
    {Qt::Key_Help, 47, "Help"},
    {Qt::Key_Menu, 93, "Menu"},
    {Qt::Key_Sleep, 95, "Sleep"},
    {Qt::Key_NumLock, 144, "Num Lock"},
    {Qt::Key_ScrollLock, 145, "Scroll Lock"},
    {Qt::Key_Semicolon, 186, ";"},
    {Qt::Key_Equal, 187, "="},
    {Qt::Key_Comma, 188, ","},
    {Qt::Key_Minus, 189, "-"},
    {Qt::Key_Period, 190, "."},
    {Qt::Key_Slash, 191, "/"},
    {Qt::Key_QuoteLeft, 192, "`"},
    {Qt::Key_BracketLeft, 219, "["},
    {Qt::Key_Backslash, 220, "\\"},
    {Qt::Key_BracketRight, 221, "]"},
    {Qt::Key_Apostrophe, 222, "'"},
    // Keypad operators (with the keypad modifier).
    {Qt::Key_Asterisk, 106, "Num *"},
    {Qt::Key_Plus, 107, "Num +"},
    {Qt::Key_Minus, 109, "Num -"},
    {Qt::Key_Period, 110, "Num ."},
    {Qt::Key_Slash, 111, "Num /"},
    {Qt::Key_Enter, 13, "Enter"},
}};
// The keypad entries start here in kNamedKeys.
constexpr std::size_t kFirstKeypadEntry = 36;

// Shifted symbols of a US keyboard and the key they are on.
constexpr std::array<std::pair<int, int>, 21> kShiftedSymbols{{
    {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},         {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'},   {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'}, {Qt::Key_Underscore, 189}, {Qt::Key_Plus, 187},
    {Qt::Key_Colon, 186},      {Qt::Key_QuoteDbl, 222},   {Qt::Key_Less, 188},
    {Qt::Key_Greater, 190},    {Qt::Key_Question, 191},   {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BraceLeft, 219},  {Qt::Key_BraceRight, 221}, {Qt::Key_Bar, 220},
}};

constexpr int kVkNumpad0 = 0x60;
constexpr int kVkF1 = 0x70;
constexpr int kFunctionKeys = 24;

}  // namespace

int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? kVkNumpad0 + (qtKey - Qt::Key_0) : '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys)
        return kVkF1 + (qtKey - Qt::Key_F1);
    if (qtKey == Qt::Key_Backtab) return kVkTab;
    if (keypad) {
        for (std::size_t i = kFirstKeypadEntry; i < kNamedKeys.size(); ++i)
            if (kNamedKeys[i].qt == qtKey) return kNamedKeys[i].vk;
    }
    for (std::size_t i = 0; i < kFirstKeypadEntry; ++i)
        if (kNamedKeys[i].qt == qtKey) return kNamedKeys[i].vk;
    for (const auto& [symbol, vk] : kShiftedSymbols)
        if (symbol == qtKey) return vk;
    if (qtKey == Qt::Key_Enter) return 13;
    return 0;
}

int QtKeyFromVirtualKey(int vk) {
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
    if (vk >= kVkNumpad0 && vk <= kVkNumpad0 + 9) return Qt::Key_0 + (vk - kVkNumpad0);
    if (vk >= kVkF1 && vk < kVkF1 + kFunctionKeys) return Qt::Key_F1 + (vk - kVkF1);
    for (const KeyPair& pair : kNamedKeys)
        if (pair.vk == vk) return pair.qt;
    return Qt::Key_unknown;
}

bool IsModifierKey(int qtKey) {
    return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt ||
           qtKey == Qt::Key_Meta || qtKey == Qt::Key_AltGr;
}

int ModifierFlagsFromQt(Qt::KeyboardModifiers modifiers) {
    int flags = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) flags |= kModShift;
    if (modifiers.testFlag(Qt::ControlModifier)) flags |= kModCtrl;
    if (modifiers.testFlag(Qt::AltModifier)) flags |= kModAlt;
    return flags;
}

Qt::KeyboardModifiers QtModifiersFromFlags(int flags) {
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (flags & kModShift) modifiers |= Qt::ShiftModifier;
    if (flags & kModCtrl) modifiers |= Qt::ControlModifier;
    if (flags & kModAlt) modifiers |= Qt::AltModifier;
    return modifiers;
}

std::string VirtualKeyName(int vk) {
    if (vk == 0) return "";
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, char(vk));
    if (vk >= kVkNumpad0 && vk <= kVkNumpad0 + 9) return "Num " + std::to_string(vk - kVkNumpad0);
    if (vk >= kVkF1 && vk < kVkF1 + kFunctionKeys) return "F" + std::to_string(vk - kVkF1 + 1);
    for (const KeyPair& pair : kNamedKeys)
        if (pair.vk == vk) return pair.name;
    return "Key " + std::to_string(vk);
}

std::string HotKeyText(int vk, int flags) {
    if (vk == 0 && (flags & (kModShift | kModCtrl | kModAlt)) == 0) return "None";
    std::string text;
    if (flags & kModCtrl) text += "Ctrl+";
    if (flags & kModShift) text += "Shift+";
    if (flags & kModAlt) text += "Alt+";
    return text + VirtualKeyName(vk);
}

}  // namespace dw
