// The routines that are one operation of the unit.
#include "specfun/ext_math.h"

#include "specfun/ext_constants.h"
#include "specfun/x87.h"

namespace specfun {

// ln x = ln 2 * log2 x in one instruction; ln 0 is the unit's zero divide and
// the logarithm of a negative number its invalid operation.
Extended NaturalLog(Extended x) {
  return Extended::CheckedUnary(x87::YLog2X(constants::kLn2, x.raw()), x.raw(), true);
}

Extended ArcTangent(Extended x) { return Extended::CheckedUnary(x87::ArcTan2(x.raw(), 1.0L), x.raw()); }

Extended ArcTangent2(Extended y, Extended x) {
  return Extended::Checked(x87::ArcTan2(y.raw(), x.raw()), y.raw(), x.raw());
}

Extended Sign(Extended x) {
  if (x > 0) return 1;
  if (x < 0) return -1;
  return 0;  // zero and NaN
}

}  // namespace specfun
