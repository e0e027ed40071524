// Turning an impedance into an admittance and back.
#pragma once

#include "frame/console.h"
#include "ladder/immittance_model.h"

namespace ladder {

// "Inverter imitância": the new kind is logged, K becomes 1/K and N and D
// change places.  An immittance with K exactly 0 has no inverse: nothing
// happens and nothing is logged.
void InvertImmittance(Immittance& f, frame::Console& console);

}  // namespace ladder
