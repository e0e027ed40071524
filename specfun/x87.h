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

}  // namespace specfun::x87
