#include "specfun/special_functions.h"

namespace specfun::special_functions {

Extended CompleteK(Extended k) { return specfun::CompleteK(k); }
Extended ComplementaryK(Extended k) { return specfun::ComplementaryK(k); }
ReciprocalModulus QuarterPeriodOfReciprocal(Extended x) { return specfun::QuarterPeriodOfReciprocal(x); }
Extended FractionOf(std::int32_t m, std::int32_t n, Extended hi, Extended lo) {
  return specfun::FractionOf(m, n, hi, lo);
}
EllipticRational EllipticRationalOf(std::int32_t n, Extended x) { return specfun::EllipticRationalOf(n, x); }
Extended IncompleteF(Extended phi, Extended k) { return specfun::IncompleteF(phi, k); }
SnCnDn JacobiSnCnDn(Extended u, Extended mc) { return specfun::JacobiSnCnDn(u, mc); }
Extended JacobiSn(Extended u, Extended k) { return specfun::JacobiSn(u, k); }
Extended JacobiCn(Extended u, Extended k) { return specfun::JacobiCn(u, k); }
Extended JacobiDn(Extended u, Extended k) { return specfun::JacobiDn(u, k); }
Extended InverseSc(Extended x, Extended k) { return specfun::InverseSc(x, k); }
Extended IncompleteFTan(Extended x, Extended kc) { return specfun::IncompleteFTan(x, kc); }

}  // namespace specfun::special_functions
