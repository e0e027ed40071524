// The polynomial file: the degree line (-1 for a polynomial that vanished),
// the coefficients a(0)..a(n) one per line in ascending powers, and the
// multiplying constant, which readers take as optional (1 when absent).
// The coefficients are stored as held, not normalised.
#pragma once

#include <cstdint>
#include <vector>

#include "base/extended.h"
#include "base/text_file.h"
#include "formats/file_lines.h"

namespace formats {

struct PolynomialFile {
  // As the degree line says; it may be below -1 or beyond the degree kept.
  std::int32_t degree = -1;
  // a[i] multiplies s^i: the coefficients kept, a(0) first.
  std::vector<base::Extended> a;
  base::Extended constant = 1;
  bool constant_line = false;  // a constant was read from the file

  // The degree line announced more coefficients than were kept.
  bool Truncated() const { return static_cast<std::int64_t>(degree) + 1 > static_cast<std::int64_t>(a.size()); }
};

// Reads the whole file.  Coefficients up to max_degree are kept; the surplus
// lines are read and dropped, so that the constant is still the number after
// the last announced coefficient.  Reading stops at the end of the file,
// whatever the degree says.
PolynomialFile ReadPolynomialFile(base::TextReader& in, std::int32_t max_degree,
                                  ConstantRule rule = ConstantRule::kOptional);

// The degree line as held, every coefficient kept and the constant, the
// reals in the format.
void WritePolynomialFile(base::TextWriter& out, const PolynomialFile& file, const RealFormat& format);

}  // namespace formats
