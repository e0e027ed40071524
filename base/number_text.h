// The suite's one conversion of numbers into text.
//
// FloatToText(x, width, decimals):
//   decimals >= 0: fixed notation, "-" only for negative values, exactly
//     `decimals` digits after "." (no point when 0), right-justified to width;
//   decimals < 0: exponent form with clamp(width - 8, 2, 18) significant
//     digits: a sign place (blank or "-"), d.ddd, "E", "+" or "-", and a
//     four-digit exponent, right-justified to width;
//   magnitudes from 1E36 up are always in exponent form;
//   NaN, +inf and -inf are "Nan", "+Inf" and "-Inf", right-justified too.
// The digits are the correctly rounded (ties to even) decimal expansion of the
// exact binary value.  The text is never cut; callers that keep only part of
// it do so themselves.  Widths below the text's length (negative ones too)
// add no blanks.  Negative zero has no "-" (it is not negative), while a
// negative value that rounds to zero keeps it ("-0.00").  1E36 is the
// extended real nearest 10^36, which lies just below 10^36, so the fixed
// notation never needs more than 36 integer digits.  A width or a count of
// decimals above 65536 ends the action with a range check error.
#pragma once

#include <string>

#include "base/extended.h"

namespace base {

std::string FloatToText(Extended x, int width, int decimals);

// A real written without a width: the exponent form of width 23
// (15 significant digits).
std::string FloatToTextNoWidth(Extended x);

// n in decimal, "-" before a negative number, no blanks.
std::string IntToText(long long n);

// The general form of a numeric entry field: at most 15 significant digits,
// trailing zeros dropped; fixed notation for decimal exponents -3 .. 15 of
// 0.d1d2..dk x 10^E, else d1.d2..dkE[-]x; "0", "NAN", "INF", "-INF".
std::string GeneralForm(Extended x);

}  // namespace base
