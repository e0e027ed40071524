// Rounding to whole numbers, kept as extended reals.
#include "specfun/ext_math.h"
#include "specfun/x87.h"

namespace specfun {

// NaN and the infinities come back unchanged, as from the unit.
Extended Truncate(Extended x) { return Extended(x87::RoundTowardZero(x.raw())); }

Extended Floor(Extended x) {
  const Extended whole = Truncate(x);
  if (x < 0 && whole != x) return whole - 1;
  return whole;
}

}  // namespace specfun
