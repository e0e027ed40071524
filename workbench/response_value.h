// The values of the frequency-response plot: the quotient q = k·N(jw)/D(jw)
// of two polynomials at s = jw, shown as a magnitude in dB, a phase in
// degrees, or its real part (the group delay when N and D are N' and N).
#pragma once

#include <cstdint>
#include <span>

#include "base/extended.h"

namespace workbench {

// The functions of the plot, numbered as the plot keeps them.
enum class ResponseKind : std::uint8_t {
  MagnitudeH = 0,  // |H(jw)| = |E/P|
  MagnitudeK = 1,  // |K(jw)| = |F/P|
  MagnitudeT = 2,  // |T(jw)| = |P/E|
  PhaseT = 3,      // the angle of T(jw)
  DelayT = 4,      // Re(N'(jw)/N(jw))
};

// The value at w, the coefficients a(0)..a(n) of each polynomial given (an
// empty span is the vanished polynomial, 0).  A zero denominator and zero
// parts of q are replaced by tiny values, so that a logarithm or an angle
// can always be taken: a negative real q shows a phase of 180 degrees.
base::Extended ResponseValue(ResponseKind kind, std::span<const base::Extended> numerator,
                             std::span<const base::Extended> denominator, base::Extended k, base::Extended w);

}  // namespace workbench
