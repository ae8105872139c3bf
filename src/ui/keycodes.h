#pragma once
// Qt key events to the Windows virtual-key codes the windows reason in
// (base/vkeys.h), for a Japanese keyboard: ":" is 186, ";" 187.
class QKeyEvent;

namespace lumo {

// 0 when the key has no code of its own (a dead key, a pure input-method event).
int windowsKeyCode(const QKeyEvent& event);
int windowsKeyCode(int qtKey, bool keypad);

} // namespace lumo
