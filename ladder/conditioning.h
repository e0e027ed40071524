// How far the element values of a completed synthesis can be trusted.
//
// The synthesis is made again twice from the immittance as it was entered,
// each time with every coefficient and K moved by one unit in the last
// place of the extended real, up or down by a pseudo-random pattern of its
// own.  The largest relative change of any element value estimates the error
// that rounding leaves in the values: a route whose values are
// ill-conditioned in the coefficients shows it at once.
//
// A cleaning zeroes what the tolerance calls negligible, rounding residue
// and, when the tolerance is too coarse, coefficients that carry the design.
// The two tell apart by the moves: a residue is made of rounding and comes
// out of the two replays different, a coefficient of the design comes out
// the same.  The second replay keeps every zeroed coefficient that the first
// one saw the same, so that a network that lost one shows the difference.
#pragma once

#include <optional>

#include "base/extended.h"
#include "frame/console.h"
#include "ladder/immittance_model.h"
#include "ladder/journal.h"
#include "ladder/network.h"

namespace ladder {

// The largest relative change of an element value, or nothing when a replay
// does not give a network of the same elements (a step that no longer fits,
// a synthesis that ends earlier or later, another count or kind of
// elements).  The console says nothing while the replays run.
std::optional<base::Extended> EstimateElementError(const SynthesisJournal& journal, const ImmittanceModel& model,
                                                   const Network& network, frame::Console& console);

// The estimate's line, and a warning when the values are not to be trusted.
void ShowElementError(const std::optional<base::Extended>& estimate, frame::Console& console);

}  // namespace ladder
