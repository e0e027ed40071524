// Single instructions of the x87 unit, for the operations that the unit does
// in one step with its full 64-bit significand.  Each returns the raw result;
// the callers wrap it in a checked Extended.
#pragma once

namespace specfun::x87 {

// y * log2 x, rounded once.
inline long double YLog2X(long double y, long double x) {
  long double r;
  asm("fyl2x" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
  return r;
}

// 2^x - 1 for |x| <= 1, without the cancellation of 2^x computed first.
inline long double TwoToXMinusOne(long double x) {
  long double r;
  asm("f2xm1" : "=t"(r) : "0"(x));
  return r;
}

// arctan(y/x) in the quadrant of (x, y).
inline long double ArcTan2(long double y, long double x) {
  long double r;
  asm("fpatan" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
  return r;
}

// The circular functions for the reduced argument, |x| <= pi/4, where the
// unit's own reduction does nothing.
inline long double Sin(long double x) {
  long double r;
  asm("fsin" : "=t"(r) : "0"(x));
  return r;
}

inline long double Cos(long double x) {
  long double r;
  asm("fcos" : "=t"(r) : "0"(x));
  return r;
}

struct SinCosPair {
  long double sin, cos;
};

inline SinCosPair SinCos(long double x) {
  long double s, c;
  asm("fsincos" : "=t"(c), "=u"(s) : "0"(x));
  return {s, c};
}

inline long double Tan(long double x) {
  long double one, t;
  asm("fptan" : "=t"(one), "=u"(t) : "0"(x));
  (void)one;  // fptan pushes 1 above the tangent
  return t;
}

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

}  // namespace specfun::x87
