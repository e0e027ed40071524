#include "elliptic/designer_log.h"

#include "base/number_text.h"

namespace elliptic {

std::string RealToText(std::int32_t w, std::int32_t d, base::Extended x) { return base::FloatToText(x, w, d); }

std::string DesignerLog::RealToText(base::Extended x) const {
  return elliptic::RealToText(state_.print_width, state_.print_decimals, x);
}

}  // namespace elliptic
