#include "forms/qt/key_translation.h"

namespace forms::qt {

namespace {

// The printable ASCII range of characters a key press may carry.
constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kLastPrintable = 0x7e;

std::optional<char> PrintableOf(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() != 1) return std::nullopt;
  const char16_t c = text.at(0).unicode();
  if (c < kFirstPrintable || c > kLastPrintable) return std::nullopt;
  return static_cast<char>(c);
}

}  // namespace

ShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
  return ShiftState{modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
                    modifiers.testFlag(Qt::AltModifier)};
}

std::optional<int> VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  switch (key) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyReturn;
    case Qt::Key_Backspace: return kKeyBack;
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_Space: return kKeySpace;
    default: break;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
  if (const std::optional<char> c = PrintableOf(event)) return VirtualKeyOfChar(*c);
  return std::nullopt;
}

std::optional<char> KeyCharOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kCharEnter;
    case Qt::Key_Backspace: return kCharBackspace;
    case Qt::Key_Escape: return kCharEscape;
    default: break;
  }
  return PrintableOf(event);
}

}  // namespace forms::qt
