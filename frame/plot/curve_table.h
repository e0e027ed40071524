// The values a repaint plotted at each pixel column, kept for the cursor's
// readout and written, while the repaint goes on, as the lines of a curve
// file when one is open: per column the frequency and the column's values,
// each a real without width, separated by blanks.
#pragma once

#include <initializer_list>
#include <vector>

#include "base/extended.h"
#include "base/text_file.h"

namespace frame::plot {

class CurveTable {
 public:
  // Room for columns first .. last of `series` values each.
  CurveTable(int first, int last, int series);

  int first() const { return first_; }
  int last() const { return last_; }
  // A repaint starts at column `from` and puts the columns from there on, in
  // order; their lines go to `file` when there is one.  Columns that it has
  // not put yet hold nothing.
  void Begin(int from, base::TextWriter* file);
  // The values of column c (inside first .. last) at frequency w, as many as
  // the series.
  void Put(int c, base::Extended w, std::initializer_list<base::Extended> values);
  // Column c was put since the last Begin.
  bool Holds(int c) const;
  base::Extended At(int c, int series = 0) const;

 private:
  std::size_t Index(int c, int series) const;

  int first_, last_, series_;
  int from_ = 0, put_up_to_ = -1;
  base::TextWriter* file_ = nullptr;
  std::vector<base::Extended> values_;
};

}  // namespace frame::plot
