#include "workbench/parameters.h"

namespace workbench {

Parameters DefaultParameters() {
  Parameters p;
  // 3 dB in the exact sense: half the power at the pass-band edge
  p.amax = base::Extended(10) * base::Ln(2) / base::Ln(10);
  p.amin = 40;
  p.order = 1;
  p.width = 26;
  p.decimals = 18;
  p.tolr = 1E-12L;
  p.toln = 1E15L;
  p.tolm = 1E-8L;
  p.told = 1E-10L;
  // off the real axis, so that complex roots are found from the start
  p.xr0 = -1.1L;
  p.xi0 = 1.1L;
  p.same_initial = false;
  return p;
}

}  // namespace workbench
