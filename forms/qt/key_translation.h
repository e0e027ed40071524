// Qt's keyboard and mouse modifiers in the vocabulary of the forms layer.
#pragma once

#include <QKeyEvent>
#include <optional>

#include "forms/keys.h"

namespace forms::qt {

ShiftState ShiftOf(Qt::KeyboardModifiers modifiers);

// The virtual key of a key-down event; none for keys the programs cannot see
// (modifiers alone, function keys...).
std::optional<int> VirtualKeyOf(const QKeyEvent& event);

// The character of the key-press event that follows: printable ASCII, Enter,
// Backspace and Escape; none for the other keys.
std::optional<char> KeyCharOf(const QKeyEvent& event);

}  // namespace forms::qt
