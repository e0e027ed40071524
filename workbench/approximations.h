// The approximations: from Q(w) to the characteristic function
// K(s) = F(s)/P(s) (polynomial, inverse polynomial, symmetric rational and
// modified symmetric rational), and the Bessel approximation, which gives
// H(s) = E(s)/P(s) directly.
#pragma once

#include "frame/console.h"
#include "workbench/kept_values.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"

namespace workbench {

enum class PassbandEdge {
  kKept,      // found; F and P left as they are
  kRescaled,  // found and moved to w = 1
  kNotFound,  // Newton did not converge, or the edge cannot be moved to 1
};

// The w > 0 where |F(w)| = epsilon |P(w)|, by Newton from w = 1, with F and P
// still polynomials in w; then the offer to move it to w = 1.  The edge goes
// to kept.wp.  kNotFound has been logged; F and P are unchanged then.  The
// approximations that call it leave every register as it was when the edge
// is not found.
PassbandEdge FindPassbandEdge(Registers& r, const Parameters& parameters, KeptValues& kept, frame::Console& console);

// The operations "K(s) para K(jw) polinomial", "... polinomial inversa",
// "... racional simétrica", "... racional simétrica modificada" and
// "H(s) para aproximação de Bessel".
// The attenuations typed stay in the parameters as the next defaults, epsilon
// and the band edges in kept.
void PolynomialApproximation(Registers& r, Parameters& parameters, KeptValues& kept, frame::Console& console);
void InversePolynomialApproximation(Registers& r, Parameters& parameters, KeptValues& kept, frame::Console& console);
void SymmetricRationalApproximation(Registers& r, Parameters& parameters, KeptValues& kept, frame::Console& console);
void ModifiedSymmetricRationalApproximation(Registers& r, Parameters& parameters, KeptValues& kept,
                                            frame::Console& console);
void BesselApproximation(Registers& r, Parameters& parameters, frame::Console& console);

}  // namespace workbench
