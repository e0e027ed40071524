// The refusal of a step found only after the step has begun to change the
// immittance or the network (a division that has no quadratic factor to
// remove, a tank that does not exist, a full network).  Whoever runs the
// step puts everything back and logs the refusal's line, which begins "* ".
#pragma once

#include <stdexcept>
#include <string>

namespace ladder {

class StepRefused : public std::runtime_error {
 public:
  explicit StepRefused(const std::string& line) : std::runtime_error(line) {}
};

}  // namespace ladder
