// The cursor of a plot on its pixel columns (or sample points) first .. last,
// moved by keys one or ten at a time.
#pragma once

#include <optional>

namespace frame::plot {

class ColumnCursor {
 public:
  // What a step that would leave first .. last does.
  enum class AtEdge {
    Refuse,  // the cursor stays where it is
    Stop,    // the cursor stops on the edge
  };

  explicit ColumnCursor(AtEdge at_edge) : at_edge_(at_edge) {}

  // A repaint laid out the columns first .. last and put the cursor on the
  // first.  A plot too narrow for any column (last < first) has no cursor.
  void Reset(int first, int last);
  bool has_columns() const { return first_ <= last_; }
  int position() const { return position_; }
  int first() const { return first_; }
  int last() const { return last_; }
  // Moves by `step` columns; true when the cursor is on a column afterwards
  // that the step allowed it to reach (with Refuse, false for a refused step
  // or when there are no columns).
  bool Step(int step);
  // Puts the cursor on `column`, or on the nearer edge when it lies outside
  // first .. last; a plot without columns keeps its cursor where it is.
  void Place(int column);

 private:
  AtEdge at_edge_;
  int first_ = 0, last_ = -1;
  int position_ = 0;
};

// The cursor keys typed as characters: "." and "," one column right and
// left, ">" and "<" ten.
std::optional<int> CursorStepOfChar(char c);

}  // namespace frame::plot
