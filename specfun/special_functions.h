// The designer's entries to the elliptic routines: each calls the routine of
// the same name and returns its result unchanged.
#pragma once

#include "specfun/ell_integrals.h"

namespace specfun::special_functions {

Extended CompleteK(Extended k);
Extended ComplementaryK(Extended k);
ReciprocalModulus QuarterPeriodOfReciprocal(Extended x);
Extended FractionOf(std::int32_t m, std::int32_t n, Extended hi, Extended lo);
EllipticRational EllipticRationalOf(std::int32_t n, Extended x);
Extended IncompleteF(Extended phi, Extended k);
SnCnDn JacobiSnCnDn(Extended u, Extended mc);
Extended JacobiSn(Extended u, Extended k);
Extended JacobiCn(Extended u, Extended k);
Extended JacobiDn(Extended u, Extended k);
Extended InverseSc(Extended x, Extended k);
Extended IncompleteFTan(Extended x, Extended kc);

}  // namespace specfun::special_functions
