// The steps of a synthesis as the user made them, from the immittance as it
// was entered, before any cleaning: enough to make the same synthesis again
// on that immittance with its coefficients moved, and so to tell how far the
// element values of the network can be trusted.
#pragma once

#include <cstdint>
#include <vector>

#include "base/extended.h"
#include "ladder/immittance_model.h"
#include "poly/complex.h"

namespace ladder {

struct SynthesisStep {
  enum class Kind : std::uint8_t {
    kPoleAtInfinity,
    kConstantAtInfinity,
    kGivenConstant,
    kInversion,
    kPartialPole,
    kPartialConstant,
    kPolePair,
  };
  Kind kind = Kind::kInversion;
  // Where a partial step or a pole pair acts.
  poly::Complex point{};
  // The given constant; made again as the constant at infinity of the
  // immittance then at hand when that is what the user took.
  base::Extended constant = 0;
  bool constant_at_infinity = false;
  // The cleaning tolerance the step ran with, which the user may change
  // between steps.
  base::Extended tolerance = 0;
};

struct SynthesisJournal {
  // An immittance was entered...
  bool has_entry = false;
  // ...and the one at hand comes from it by the steps: a start resets the
  // degrees, and until the next entry or restart there is nothing to make
  // again.
  bool follows_entry = false;
  Immittance entered;
  base::Extended entry_tolerance = 0;
  std::vector<SynthesisStep> steps;

  void Enter(const Immittance& f, base::Extended tolerance) {
    has_entry = follows_entry = true;
    entered = f;
    entry_tolerance = tolerance;
    steps.clear();
  }
  void Restart() {
    follows_entry = has_entry;
    steps.clear();
  }

  // The step just made on the model, with the model's tolerance.
  void Record(SynthesisStep step, const ImmittanceModel& model) {
    step.tolerance = model.tolerance;
    steps.push_back(step);
  }
};

}  // namespace ladder
