// The roots file: the count line, one line per root (real part, then
// imaginary part, both members of a conjugate pair written out), and the
// closing constant of c * prod (s - r).
//
// Each program reads it with its own capacity and its own way of taking the
// constant; the reader keeps what fits and says what the file announced, so
// that the caller decides whether to refuse the file or keep the first roots.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "base/text_file.h"
#include "formats/file_lines.h"

namespace formats {

struct RootsFile {
  // As the count line says; it may be negative or beyond the roots kept.
  std::int32_t count = 0;
  // The roots kept, in file order; re[k] and im[k] are root k + 1.
  std::vector<base::Extended> re;
  std::vector<base::Extended> im;
  base::Extended constant = 1;
  bool constant_line = false;  // a constant was read from the file

  // The count line announced more roots than were kept.
  bool Truncated() const { return count > static_cast<std::int64_t>(re.size()); }
};

struct RootLine {
  base::Extended re;
  base::Extended im;
};

// Two reals, the rest of the line skipped: a third number is ignored, and a
// line with one number takes its imaginary part from the next line.
RootLine ReadRootLine(base::TextReader& in);

// Reads the whole file.  At most max_count roots are kept; the surplus root
// lines are read and dropped, so that the constant is still the number after
// the last announced root.  Reading stops at the end of the file, whatever
// the count says.  A count of 0 or below reads no root line.
RootsFile ReadRootsFile(base::TextReader& in, std::int32_t max_count, ConstantRule rule);

// One root line of two texts already formatted, with one blank between
// them: a writer that puts a part as the integer "0" forms it itself.
void WriteRootLine(base::TextWriter& out, std::string_view re_text, std::string_view im_text);

// The count line as held, every root kept, both parts in the format, and the
// constant in the format.
void WriteRootsFile(base::TextWriter& out, const RootsFile& file, const RealFormat& format);

}  // namespace formats
