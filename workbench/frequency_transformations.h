// Frequency transformations of a normalised low-pass description: F, P and E
// turned together into a high-pass, band-pass or band-stop one, and scaled
// in frequency, so that K(s) = F(s)/P(s) and H(s) = E(s)/P(s) keep their
// values at the transformed frequencies.
//
// Every polynomial A is brought to the common degree N of the description,
// the largest of the three: s^N A(1/s) for the high-pass, the factor
// (Bs)^(N - deg A) after the band-pass substitution, k^(N - deg A) in the
// constant after the scaling.  In the low-pass descriptions that the
// approximations build, deg E = deg F = N, and only P takes those factors.
#pragma once

#include "base/extended.h"
#include "frame/console.h"
#include "frame/log.h"
#include "workbench/kept_values.h"
#include "workbench/registers.h"

namespace workbench {

// a(i) := a(i) k^(n - i) for i below the degree n: k^n A(s/k), whose roots are
// those of A times k.
void ScaleCoefficients(TPolynomialRecord& a, base::Extended k);
// A(s) := (Bs)^n A((s^2 + 1)/(Bs)), of degree 2n, through the register stack;
// afterwards Y, Z and T hold s^2 + 1.  2n must fit a record.
void BandpassSubstitution(Registers& r, TPolynomialRecord& a, base::Extended b, frame::Log& log);

// Operation "Transformações de frequência".
void FrequencyTransformationsOperation(Registers& r, KeptValues& kept, frame::Console& console);

}  // namespace workbench
