// The Feldtkeller factorisation: with K(s) = F(s)/P(s) and H(s) = E(s)/P(s),
// E(s)E(-s) = F(s)F(-s) + P(s)P(-s) gives E from F and P, or F from E and P,
// up to the choice of the roots.
#pragma once

#include "frame/console.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"
#include "workbench/root_finder.h"

namespace workbench {

enum class Factor {
  kE,  // E(s)E(-s) = F(s)F(-s) + P(s)P(-s), every root in the left half plane
  kF,  // F(s)F(-s) = E(s)E(-s) - P(s)P(-s), each root's signs as the user confirms
};

// X := the monic factor, the product of (s - s_k) over its roots, which the
// root list holds; the right-hand side, a polynomial in x = s^2, goes through
// the root finder, and the roots it gives are polished on the two
// polynomials the right-hand side comes from.
void SpectralFactor(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog,
                    Factor which);

// Operations "Calcular E(s) tendo K(s)=F(s)/P(s)" and "Calcular F(s) tendo
// H(s)=E(s)/P(s)".  The factor is checked on the imaginary axis before it is
// announced, and a "* " line says when it fails the equation by more than
// rounding explains (or E has a root off the left half plane).
void ComputeE(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog);
void ComputeF(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog);

}  // namespace workbench
