// The exactly specified instructions of the x87 unit that the arithmetic of
// the extended real uses beyond + - * / and the square root: rounding to an
// integer and scaling by a power of two.  Their results are defined to the
// last bit, so they are the same on every processor.
#pragma once

namespace base::x87 {

// x rounded to an integer in the unit's current rounding mode.
inline long double RoundToInteger(long double x) {
  long double r;
  asm("frndint" : "=t"(r) : "0"(x));
  return r;
}

// x * 2^n for an integral n, exact unless the result leaves the range.
inline long double Scale(long double x, long double n) {
  long double r;
  asm("fscale" : "=t"(r) : "0"(x), "u"(n));
  return r;
}

// x rounded toward zero: the control word is switched to truncation with the
// 64-bit significand for this one rounding and then restored.
inline long double RoundTowardZero(long double x) {
  // rounding control bits 10-11 = 11 (toward zero), precision bits 8-9 = 11 (64 bits)
  constexpr unsigned short kTruncate64 = 0x0F00;
  unsigned short saved;
  asm volatile("fnstcw %0" : "=m"(saved));
  const unsigned short truncating = saved | kTruncate64;
  long double r;
  asm volatile(
      "fldcw %1\n\t"
      "frndint\n\t"
      "fldcw %2"
      : "=t"(r)
      : "m"(truncating), "m"(saved), "0"(x));
  return r;
}

}  // namespace base::x87
