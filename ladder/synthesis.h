// What the steps of a synthesis work on: the immittance model, the network,
// the console through which they log and ask, and the journal in which each
// step the user made is kept.
#pragma once

#include <functional>

#include "frame/console.h"
#include "ladder/immittance_model.h"
#include "ladder/journal.h"
#include "ladder/network.h"

namespace ladder {

struct Synthesis {
  ImmittanceModel& model;
  Network& network;
  frame::Console& console;
  SynthesisJournal& journal;
};

// Runs a step that may be refused half-way (StepRefused): the immittance,
// the complete flag and the network are then put back as they were before
// the step, and the refusal's line is logged after what the step logged.
void RunRefusable(const Synthesis& s, const std::function<void()>& step);

}  // namespace ladder
