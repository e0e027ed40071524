// Keyboard and mouse vocabulary of the forms layer.
#pragma once

namespace forms {

// Virtual key codes delivered to key-down handlers.
enum VirtualKey : int {
  kKeyBack = 0x08,
  kKeyReturn = 0x0D,
  kKeyEscape = 0x1B,
  kKeySpace = 0x20,
  kKeyPageUp = 0x21,
  kKeyPageDown = 0x22,
  kKeyEnd = 0x23,
  kKeyHome = 0x24,
  kKeyLeft = 0x25,
  kKeyUp = 0x26,
  kKeyRight = 0x27,
  kKeyDown = 0x28,
  // letters and digits use their upper-case ASCII code; other printable
  // characters use the codes below
  kKeyOemPlus = 0xBB,
  kKeyOemComma = 0xBC,
  kKeyOemMinus = 0xBD,
  kKeyOemPeriod = 0xBE,
  kKeyOemOther = 0xDF,
};

// The characters that key-press handlers see for the non-printable keys.
constexpr char kCharBackspace = '\b';
constexpr char kCharEnter = '\r';
constexpr char kCharEscape = '\x1b';

struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

enum class MouseButton { Left, Right, Middle };

// The virtual key that a printable character is typed with.
int VirtualKeyOfChar(char c);

}  // namespace forms
