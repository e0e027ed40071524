// The low-pass requirement shared by the four designs, the values every
// design derives from it first (epsilon and alfa), and the rounding of the
// computed order.
#pragma once

#include <cstdint>
#include <optional>

#include "base/extended.h"

namespace elliptic {

using base::Extended;

struct Requirement {
  Extended amax;  // maximum pass-band attenuation, dB
  Extended amin;  // minimum stop-band attenuation, dB
  Extended wp;    // pass-band edge, rad/s
  Extended ws;    // stop-band edge, rad/s
};

struct EpsilonAlfa {
  Extended epsilon;
  Extended alfa2;  // the ratio of the stop-band to the pass-band ripple factor
  Extended alfa;   // its square root
};

// b^e as exp(e ln b); b must be positive.
Extended Power(Extended b, Extended e);

// Amax = 0 divides by a zero epsilon, a negative Amax or Amin takes the
// square root of a negative number: both end the action with the fault.
EpsilonAlfa ComputeEpsilonAlfa(Extended amax, Extended amin);

// The order for a computed n: n rounded up, unless n lies less than 1e-6
// above an integer (a computed order of 7.0000003 is taken as 7, since it
// only misses 7 by rounding), or, with round_nearest, n rounded to the
// nearest integer; halves go to the even neighbour.  A NaN, infinite or
// beyond-64-bit n is an invalid operation, a value outside 32 bits a range
// check error.
std::int32_t RoundOrder(Extended n, bool round_nearest);

// 1/sqrt(1 + x^2) for x >= 0, without overflow for a huge x.
Extended InverseNorm(Extended x);

// A constant of a roots file that fell below the smallest normal extended
// real (2^-16382): it has lost digits to the underflow, or all of them, and a
// P(s) of 0 would be no filter at all.
bool Underflowed(Extended c);

// Whatever decides the order of a design once its n is known: the order
// rule of the main window in the program, a fixed order in the benchmarks
// and the accuracy tests.  No order means the design stops there.
class OrderSource {
 public:
  virtual ~OrderSource() = default;
  virtual std::optional<std::int32_t> Order(Extended n) = 0;
};

}  // namespace elliptic
