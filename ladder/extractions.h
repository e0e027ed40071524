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

// The steps as the operations window runs them: each checks and asks what
// the step needs, and a step that changed the immittance is recorded in the
// journal.  An element at infinity (a pole's or a constant's) that would be
// negative is warned about and asked for, as the partial steps' parts are.
void ExtractPoleAtInfinity(const Synthesis& s);
void ExtractConstantAtInfinity(const Synthesis& s);
void ExtractGivenConstant(const Synthesis& s);
void ExtractPartialPole(const Synthesis& s);
void ExtractPartialConstant(const Synthesis& s);
// "Extrair totalmente polos": the zeros listed, the point asked, the pair
// removed.
void ExtractPolePair(const Synthesis& s);
// "Inverter imitância".
void InvertAndRecord(const Synthesis& s);

// A recorded step made again on the model's immittance, asking nothing
// (what it logs is for the caller to mute); a step that does not fit the immittance (its
// degrees, the origin, a real point) is refused with a StepRefused.
void ReplayStep(const Synthesis& s, const SynthesisStep& step);

// The pole pair at the model's point and its conjugate, removed completely;
// its tank is appended.  A point on the real axis is not removed (false); a
// denominator of degree below 2 holds no pair: refused.
bool RemovePolePair(const Synthesis& s);

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
