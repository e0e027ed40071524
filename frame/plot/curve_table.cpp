#include "frame/plot/curve_table.h"

#include <algorithm>

namespace frame::plot {

CurveTable::CurveTable(int first, int last, int series)
    : first_(first),
      last_(last),
      series_(series),
      values_(static_cast<std::size_t>(std::max(0, last - first + 1) * series)) {}

void CurveTable::Begin(int from, base::TextWriter* file) {
  from_ = from;
  put_up_to_ = from - 1;
  file_ = file;
}

std::size_t CurveTable::Index(int c, int series) const {
  base::CheckIndex(c, first_, last_);
  base::CheckIndex(series, 0, series_ - 1);
  return static_cast<std::size_t>((c - first_) * series_ + series);
}

void CurveTable::Put(int c, base::Extended w, std::initializer_list<base::Extended> values) {
  base::CheckIndex(static_cast<long long>(values.size()), series_, series_);
  int series = 0;
  for (const base::Extended v : values) values_[Index(c, series++)] = v;
  put_up_to_ = std::max(put_up_to_, c);
  if (!file_) return;
  file_->WriteReal(w);
  for (const base::Extended v : values) {
    file_->Write(" ");
    file_->WriteReal(v);
  }
  file_->WriteLine();
}

bool CurveTable::Holds(int c) const { return c >= from_ && c <= put_up_to_; }

base::Extended CurveTable::At(int c, int series) const { return values_[Index(c, series)]; }

}  // namespace frame::plot
