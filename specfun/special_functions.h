// The designer's entries to the elliptic routines: each calls the routine of
// the same name and returns its result unchanged.
#pragma once

#include "specfun/ell_integrals.h"

namespace specfun::special_functions {

Extended CompleteK(Extended k);
Extended IncompleteF(Extended phi, Extended k);
SnCnDn JacobiSnCnDn(Extended u, Extended mc);
Extended JacobiSn(Extended u, Extended k);
Extended JacobiCn(Extended u, Extended k);
Extended JacobiDn(Extended u, Extended k);
Extended InverseSc(Extended x, Extended k);

}  // namespace specfun::special_functions
