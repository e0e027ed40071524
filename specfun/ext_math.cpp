// The routine of the library that is not one of base's.
#include "specfun/ext_math.h"

namespace specfun {

Extended Sign(Extended x) {
  if (x > 0) return 1;
  if (x < 0) return -1;
  return 0;  // zero and NaN
}

}  // namespace specfun
