// The elementary functions of the extended real beyond those of extended.h,
// and the reduction they are built on.  Every result comes from correctly
// rounded operations and exactly specified ones (rounding to an integer,
// scaling by a power of two) alone: the same bits on every processor.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace base {

// x = q*pi/2 + r + r_low with |r| <= pi/4, q in 0..7, and r_low the
// remainder's next bits, below half an ulp of r: the kernels carry it, so
// that the remainder's own rounding does not reach their results.
struct Reduction {
  Extended r;
  std::int32_t q;
  Extended r_low = Extended(0);
};
Reduction ReducePiOver2(Extended x);

// sin x and cos x from one reduction, the same bits as Sin and Cos.
struct SinCos {
  Extended sin, cos;
};
SinCos SinAndCos(Extended x);
// tan x: tan r in even quadrants, -cos r/sin r in odd ones, each one
// compensated quotient.
Extended Tan(Extended x);

// e^x = 2^r 2^n with n = x log2 e rounded to the nearest integer and r the
// rest, for every x: an infinite x meets inf - inf in the reduction, the
// invalid operation.  Exp is this for finite x.
Extended Exponential(Extended x);
// e^x 2^k for an integral k, rounded once: finite where e^x alone has
// overflowed (e^x/2 up to ln(largest extended) + ln 2), and as accurate as
// e^x where the result lies below the normal range.
Extended ScaledExp(Extended x, std::int32_t k);
// 2^r - 1 for |r| <= 1, the step of the exponential; beyond, the invalid
// operation, and NaN passes.
Extended TwoToPowerMinusOne(Extended r);

}  // namespace base
