#include "ladder/synthesis.h"

#include "ladder/step_refused.h"

namespace ladder {

void RunRefusable(const Synthesis& s, const std::function<void()>& step) {
  const Immittance immittance = s.model.current;
  const bool complete = s.model.complete;
  const Network network = s.network;
  try {
    step();
  } catch (const StepRefused& refusal) {
    s.model.current = immittance;
    s.model.complete = complete;
    s.network = network;
    s.console.ShowLine(refusal.what());
  }
}

}  // namespace ladder
