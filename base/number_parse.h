// Number syntax of typed text and of file tokens.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/extended.h"

namespace base {

// A blank: the space and every control character below it (tab, CR, LF...).
constexpr bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// Real syntax, the whole text must match: leading blanks, an optional sign, a
// mantissa of digits with an optional "." and digits (either run may be
// empty), an optional exponent "E"/"e" with optional sign and at least one
// digit; nothing after it.  At least one character must follow the sign; a
// mantissa without digits is 0.  The value is the correctly rounded extended
// real; a value too small for the range reads as a denormal or 0, a value
// beyond the extended range is refused.
std::optional<Extended> ParseReal(std::string_view text);

// A real token of a file: the syntax and value of ParseReal, except that a
// token beyond the largest finite extended that may be that value rounded
// to the digits written reads as it, so that every file the programs write
// reads back.  "May be": the token's magnitude less half a unit of its last
// written digit is not above the largest finite value
// (1.18973149535723176502E+4932, written with 18 digits as
// 1.18973149535723177E+4932; 1.2E+4932 stands for 1.15E+4932 to 1.25E+4932,
// which holds it, and is read; 2E+4932 is refused).  Anything farther out is refused like any other
// value beyond the range; the negative side is the same.
std::optional<Extended> ParseFileReal(std::string_view text);

// Integer syntax, the whole text must match: leading blanks, optional sign,
// decimal digits or a hexadecimal number ("$", "x", "X", "0x" or "0X" and at
// most eight hexadecimal digits, leading zeros included); the value must fit
// a 32-bit signed integer.  A hexadecimal number is a magnitude like a decimal
// one: $7FFFFFFF and -$80000000 are read, while $80000000 and $FFFFFFFF are
// refused rather than wrapped around to negative values.
std::optional<std::int32_t> ParseInteger(std::string_view text);

}  // namespace base
