#pragma once
// Windows virtual-key codes, the codes the windows reason in. The platform
// layer turns Qt key events into these once (ui/keycodes.h).
#include <QChar>

namespace lumo::vk {

inline constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19, Capital = 20,
                     Escape = 27, Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38,
                     Right = 39, Down = 40, Insert = 45, Delete = 46, Numpad0 = 96, Multiply = 106, Add = 107,
                     Subtract = 109, Decimal = 110, Divide = 111, F1 = 112, F24 = 135, NumLock = 144, Scroll = 145,
                     Oem1 = 186 /* : on a Japanese keyboard */, OemPlus = 187 /* ; */, OemComma = 188, OemMinus = 189,
                     OemPeriod = 190, Oem2 = 191 /* / */, Oem3 = 192 /* @ */, Oem4 = 219 /* [ */, Oem5 = 220 /* ¥ */,
                     Oem6 = 221 /* ] */, Oem7 = 222 /* ^ */, Oem102 = 226 /* \ */;

// The character printed on a key of a Japanese keyboard, in capitals
// ('A' for 65, '1' for 49 and for keypad 1, ':' for 186, ';' for 187), or a
// null QChar for keys that print nothing (Shift, arrows, Enter, F1 ...).
QChar printedCharacter(int code);

} // namespace lumo::vk
