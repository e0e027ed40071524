// Operation "Gráficos de resposta em frequência": the choice of the function
// and the polynomials that the response plot divides.
#pragma once

#include "base/extended.h"
#include "frame/console.h"
#include "frame/log.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"

namespace workbench {

class ResponsePlot;

void FrequencyResponseOperation(Registers& r, const Parameters& parameters, frame::Console& console,
                                ResponsePlot& plot);

// The group delay of T(s) = P(s)/E(s) is the derivative of the phase of
// N(jw), N = E when P is even or odd (P then adds only a constant phase),
// else N = P(-s)E(s), cleaned.  Leaves N' in X and N in Y, both with N's
// constant; N is defined only when P and E are.  False when the product
// would go beyond the registers' degree (refused with a "* " line).
bool GroupDelayPolynomials(Registers& r, base::Extended tolr, base::Extended toln, frame::Log& log);

}  // namespace workbench
