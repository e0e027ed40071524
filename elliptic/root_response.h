// The frequency response of c * prod (s - z) / prod (s - p) on the imaginary
// axis, from its roots: the gain in dB, the phase as the plain sum of the
// principal angles of the vectors from the roots to j*omega (so that it may
// run beyond +-180 degrees), and the group delay.
//
// A plot evaluates up to 40 lists of 1000 roots at 1001 frequencies, all in
// extended precision, at every repaint: one pass over a list gives its three
// sums at one frequency for little more than a dozen multiplications a root.
// The angles are not summed one arctangent at a time but read off the
// running product of the vectors, whose crossings of the negative real axis
// are counted as whole turns; the delay terms are summed as one fraction
// over the product of the squared distances, which is the gain's own
// product.  The products are kept with a binary exponent of their own, so
// that no list of roots overflows them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

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

// A list of roots laid out for the pass: sorted by the side of the axis they
// lie on, each side in the list's order.
class RootList {
 public:
  RootList() = default;
  RootList(std::span<const Extended> re, std::span<const Extended> im);

  RootTerms At(Extended omega) const;

  // The roots of one side of the axis: off it, their distance from it,
  // |re|; on it, re itself (0 of either sign).
  struct Side {
    std::vector<Extended> re, im;
  };

 private:
  // Left of the axis (re < 0) and right of it, each with and without a delay
  // term; on it (re = 0).
  Side left_, left_near_axis_, right_, right_near_axis_, axis_;
};

// The sums of one list at one frequency, the list laid out anew.
RootTerms SumRootTerms(std::span<const Extended> re, std::span<const Extended> im, Extended omega);

// 20 log10 of |c| * sqrt(zeros' product / poles' product), c = zeros_constant
// / poles_constant, without a fault for any of them: a vanishing numerator
// (a zero constant, a zero at j*omega) gives -infinity, a vanishing
// denominator +infinity, both at once not-a-number.  A negative c counts by
// its magnitude, as the gain of T is that of |T|.
Extended GainDb(Extended zeros_constant, Extended poles_constant, const RootTerms& zeros, const RootTerms& poles);

}  // namespace elliptic
