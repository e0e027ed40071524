// Elliptic integrals of the first kind and the Jacobi elliptic functions.
// A NaN or infinite argument gives NaN; nothing raises a fault of its own.
#pragma once

#include "base/extended.h"

namespace specfun {

using base::Extended;

// F(arctan x | k) for the modulus whose complement is kc.
Extended IncompleteFTan(Extended x, Extended kc);
Extended CompleteK(Extended k);
struct ModPiReduction {
  Extended n;   // quarter-periods
  Extended r;   // remainder, |r| <= pi/2 (not used at a pole)
  bool pole;    // |phi| is an odd multiple of pi/2
};
ModPiReduction ReduceModPi(Extended phi);
Extended IncompleteF(Extended phi, Extended k);
struct SnCnDn {
  Extended sn, cn, dn;
};
SnCnDn JacobiSnCnDn(Extended u, Extended mc);
Extended JacobiSn(Extended u, Extended k);
Extended JacobiCn(Extended u, Extended k);
Extended JacobiDn(Extended u, Extended k);
Extended InverseSc(Extended x, Extended k);

}  // namespace specfun
