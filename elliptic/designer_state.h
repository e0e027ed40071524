// What the designer keeps between its actions: the print format, the last
// requirement with its epsilon and alfa, and the last order.  Every action
// sets what it uses from the main window's fields when it starts.
#pragma once

#include <cstdint>

#include "base/extended.h"
#include "elliptic/requirement.h"

namespace elliptic {

struct DesignerState {
  // Width and decimals of every real written to the log or to a roots file;
  // negative decimals give the exponent form.
  std::int32_t print_width = 0;
  std::int32_t print_decimals = 0;
  Requirement requirement;
  EpsilonAlfa epsilon_alfa;
  Extended n;              // the last computed order before rounding
  std::int32_t order = 0;  // the order the last design used
  // The arguments of the last check of the special functions.
  Extended check_k;
  Extended check_x;
};

}  // namespace elliptic
