// The Butterworth, Chebyshev and inverse-Chebyshev approximations.  Each
// meets Amax at wp and Amin at ws with the smallest order the order rule
// gives and leaves the selectivity as it falls.
//
// No pole is kept: each one is computed when it is needed, so these designs
// have no capacity limit.  The gain constant c, E(0) of the monic E(s)
// adjusted as each design needs, comes in closed form from wp, eps and the
// order before the first pole goes to the sink, so that a constant that
// underflowed stops the design before anything is written.
#pragma once

#include <cstdint>

#include "elliptic/requirement.h"

namespace elliptic {

struct ClassicalPole {
  std::int32_t index;  // 1 .. N; poles i and N + 1 - i are conjugates
  Extended re, im;     // rad/s
  Extended w, q;       // magnitude and quality factor
};

// Where a design reports to; every report is optional.
class ClassicalSink : public OrderSource {
 public:
  // Butterworth and Chebyshev, before anything of the poles is computed.
  virtual void PolesHeading() {}
  // The gain constant underflowed: the design stops before its first pole
  // is reported.
  virtual void ConstantUnderflowed() {}
  // Inverse Chebyshev: the pass-band edge of the design normalised to a
  // stop-band edge of 1.
  virtual void NormalizedEdge(Extended) {}
  virtual void BeginPoles(std::int32_t) {}
  virtual void Pole(const ClassicalPole&) {}
  virtual void EndPoles() {}
  // Butterworth and Chebyshev: P(s) is the constant c alone.
  virtual void ConstantNumerator(Extended) {}
  // Inverse Chebyshev: the zeros +-j wz, count as written in the file.
  virtual void BeginZeros(std::int32_t) {}
  virtual void Zero(std::int32_t, Extended) {}
  virtual void ZeroAtInfinity(std::int32_t) {}
  virtual void EndZeros(Extended) {}
};

// |T(0)| = 1.
void DesignButterworth(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink);
// |T(0)| = 1 for an odd order, 1/sqrt(1 + eps^2) for an even one.
void DesignChebyshev(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink);
// T(0) = 1.
void DesignInverseChebyshev(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink);

}  // namespace elliptic
