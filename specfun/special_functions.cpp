#include "specfun/special_functions.h"

namespace specfun::special_functions {

Extended CompleteK(Extended k) { return specfun::CompleteK(k); }
Extended IncompleteF(Extended phi, Extended k) { return specfun::IncompleteF(phi, k); }
SnCnDn JacobiSnCnDn(Extended u, Extended mc) { return specfun::JacobiSnCnDn(u, mc); }
Extended JacobiSn(Extended u, Extended k) { return specfun::JacobiSn(u, k); }
Extended JacobiCn(Extended u, Extended k) { return specfun::JacobiCn(u, k); }
Extended JacobiDn(Extended u, Extended k) { return specfun::JacobiDn(u, k); }
Extended InverseSc(Extended x, Extended k) { return specfun::InverseSc(x, k); }

}  // namespace specfun::special_functions
