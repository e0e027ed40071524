// The workbench's parameters: root-finder tolerances and start point,
// polynomial tolerances, the number format of the console and the files, and
// the order and attenuation limits of the approximations.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace workbench {

struct Parameters {
  base::Extended tolr;        // a Newton step below it ends a root's iteration
  base::Extended xr0;         // initial approximation of a root, real part
  base::Extended xi0;         // initial approximation of a root, imaginary part
  bool same_initial = false;  // start every root at (xr0, xi0)
  base::Extended toln;        // largest spread between a polynomial's coefficients
  base::Extended tolm;        // magnitude tolerance
  base::Extended told;        // derivative tolerance
  std::int32_t width = 0;     // field width of printed reals
  std::int32_t decimals = 0;  // decimals of printed reals
  std::int32_t order = 0;     // order of the approximation
  base::Extended amin;        // minimum stop-band attenuation, dB
  base::Extended amax;        // maximum pass-band attenuation, dB
};

// The values that "Iniciar" restores.
Parameters DefaultParameters();

}  // namespace workbench
