// e^x / 2 for the hyperbolic family: finite up to ln(largest extended) + ln 2,
// where e^x itself has overflowed, and as accurate as e^x below that.
#pragma once

#include "base/extended.h"

namespace specfun {

base::Extended HalfExponential(base::Extended x);

}  // namespace specfun
