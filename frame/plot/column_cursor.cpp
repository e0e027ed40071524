#include "frame/plot/column_cursor.h"

#include <algorithm>

namespace frame::plot {

void ColumnCursor::Reset(int first, int last) {
  first_ = first;
  last_ = last;
  position_ = first;
}

bool ColumnCursor::Step(int step) {
  if (!has_columns()) return false;
  // in 64 bits, so that no step can wrap around
  const long long target = static_cast<long long>(position_) + step;
  if (target >= first_ && target <= last_) {
    position_ = static_cast<int>(target);
    return true;
  }
  if (at_edge_ == AtEdge::Refuse) return false;
  position_ = static_cast<int>(std::clamp<long long>(target, first_, last_));
  return true;
}

void ColumnCursor::Place(int column) {
  if (has_columns()) position_ = std::clamp(column, first_, last_);
}

std::optional<int> CursorStepOfChar(char c) {
  switch (c) {
    case '.': return 1;
    case ',': return -1;
    case '>': return 10;
    case '<': return -10;
    default: return std::nullopt;
  }
}

}  // namespace frame::plot
