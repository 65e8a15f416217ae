#pragma once
// The key codes the window logic tests for, from Qt's key events.

class QKeyEvent;

namespace zet {

/// The virtual key code of Qt key `qtKey` (F1 is 112, "A" 65, Enter 13,
/// ...), as key-up events carry it; 0 for keys the logic has no code for.
[[nodiscard]] int VirtualKeyCode(int qtKey) noexcept;

/// The code of the character a key press types (Enter 13, Escape 27,
/// Backspace 8, "a" 97, ...), as key-press events carry it; 0 when it types
/// nothing (F1, arrows, a lone Shift).
[[nodiscard]] int TypedCharacterCode(const QKeyEvent& event);

}  // namespace zet
