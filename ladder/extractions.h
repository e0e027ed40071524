// The extractions that turn the immittance into ladder elements one step at
// a time: a pole or a constant at infinity, a given constant, a partial pole
// or constant at infinity that makes the remainder vanish at a chosen point,
// and the complete removal of a pole pair, which yields a lossy LC tank.
// Each step appends its elements to the network and leaves the normalised
// remainder as the new immittance; the user inverts the immittance between
// steps to move from a series arm to a shunt arm.
//
// A step that turns out impossible half-way (no quadratic factor to divide
// by, a pole pair without a tank, a full network) throws StepRefused; run it
// through RunRefusable so that nothing stays changed.
#pragma once

#include "base/extended.h"
#include "ladder/immittance_model.h"
#include "ladder/synthesis.h"

namespace ladder {

// The factor s² + p1·s + p0 of a pole pair and the residue k1·s + k0 that
// the immittance has over it.
struct PolePair {
  base::Extended p1;
  base::Extended p0;
  base::Extended k1;
  base::Extended k0;
};

void ExtractPoleAtInfinity(const Synthesis& s);
void ExtractConstantAtInfinity(const Synthesis& s);
void ExtractGivenConstant(const Synthesis& s);
void ExtractPartialPole(const Synthesis& s);
void ExtractPartialConstant(const Synthesis& s);

// The pole pair at the model's point and its conjugate, removed completely;
// its tank is appended.  A point on the real axis is not removed; a
// denominator of degree below 2 holds no pair: refused.
void RemovePolePair(const Synthesis& s);

// P := P / (s² + p1·s + p0), dividing from the constant term up; a remainder
// above the tolerance is warned about, and the division stands.  Degree 1
// leaves the vanished quotient (what remains of a numerator that the tank
// used up); a constant or vanished polynomial is refused.
void DivideByQuadratic(const Synthesis& s, TPolynomial& p, const PolePair& q);

// The two to four elements of the pole pair's tank: a parallel tank in the
// series arm for an impedance, a series tank across the line for an
// admittance, with a loss resistance where a loss term exceeds the
// tolerance.  A residue that forms no tank (k1 = 0) is refused.
void AddTankElements(const Synthesis& s, const PolePair& q);

}  // namespace ladder
