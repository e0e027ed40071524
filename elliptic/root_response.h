// The frequency response of c * prod (s - z) / prod (s - p) on the imaginary
// axis, from its roots: the gain in dB, the phase as the plain sum of the
// principal angles of the vectors from the roots to j*omega (so that it may
// run beyond +-180 degrees), and the group delay.
//
// One pass over a root list gives its three sums.  A thousand roots must
// cost little more than a thousand multiplications: the angles are not
// summed one arctangent at a time but read off the running product of the
// vectors, whose crossings of the negative real axis are counted as whole
// turns; the delay terms are summed as one fraction over the product of the
// squared distances, which is the gain's own product.  The products are kept
// with a binary exponent of their own, so that no list of roots overflows
// them.
#pragma once

#include <cstdint>
#include <span>

#include "base/extended.h"

namespace elliptic {

using base::Extended;

struct RootTerms {
  // prod (re^2 + (omega - im)^2) over the roots off j*omega, as
  // magnitude2 * 2^exponent.
  Extended magnitude2 = 1;
  std::int64_t exponent = 0;
  // Roots exactly at j*omega: their factor vanishes.
  std::int32_t vanishing = 0;
  // sum of atan2(omega - im, -re), radians.
  Extended angle = 0;
  // sum of re / (re^2 + (omega - im)^2) over the roots with |re| > 1e-20; a
  // root on the axis adds nothing.
  Extended delay = 0;
};

RootTerms SumRootTerms(std::span<const Extended> re, std::span<const Extended> im, Extended omega);

// 20 log10 of |c| * sqrt(zeros' product / poles' product), c = zeros_constant
// / poles_constant, without a fault for any of them: a vanishing numerator
// (a zero constant, a zero at j*omega) gives -infinity, a vanishing
// denominator +infinity, both at once not-a-number.  A negative c counts by
// its magnitude, as the gain of T is that of |T|.
Extended GainDb(Extended zeros_constant, Extended poles_constant, const RootTerms& zeros, const RootTerms& poles);

}  // namespace elliptic
