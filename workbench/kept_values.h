// Values that the approximations and the frequency transformations keep from
// one run to the next; "Iniciar" does not reset them.
#pragma once

#include "base/extended.h"

namespace workbench {

struct KeptValues {
  // sqrt(10^(Amax/10) - 1) of the last approximation.
  base::Extended epsilon = 0;
  // The pass-band edge found last; once the approximation has logged its
  // stop-band edge, that edge.
  base::Extended wp = 1;
  // The frequency-scaling factor typed last; 1 at start-up.
  base::Extended scaling_factor = 1;
};

}  // namespace workbench
