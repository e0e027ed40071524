// The line kinds that the roots file and the polynomial file share: the
// count or degree line, a line of one real, the optional closing constant,
// and the number format of the writers.
//
// Readers follow the text-file rules of base::TextReader: every number is a
// token after blanks and line ends, the rest of its line is skipped, a number
// at the end of the file reads as 0, and a token that is not a number of the
// expected kind ends the action with a ConversionError naming it.
#pragma once

#include <cstdint>
#include <string>

#include "base/extended.h"
#include "base/text_file.h"

namespace formats {

// How a reader takes the constant that closes a file.
enum class ConstantRule {
  // 1 when only blanks and line ends are left, else one real (the workbench,
  // and polynomial files in every program).
  kOptional,
  // One real read without looking first: a file without the line gets 0.
  kAlways,
  // Not read at all: the constant is 1 and the rest of the file is left.
  kNever,
};

struct ConstantLine {
  base::Extended value = 1;
  bool present = false;  // the file held a constant line
};

// The count or degree line: an integer, the rest of the line skipped.
std::int32_t ReadIntegerLine(base::TextReader& in);
// A line of one real, the rest of the line skipped.
base::Extended ReadRealLine(base::TextReader& in);
ConstantLine ReadConstantLine(base::TextReader& in, ConstantRule rule);

// Width and decimals of the reals a writer puts into a file; the text is
// never cut.
struct RealFormat {
  int width = 0;
  int decimals = 0;

  std::string Text(base::Extended x) const;
};

// An integer without width, then the line end.
void WriteIntegerLine(base::TextWriter& out, std::int64_t n);

}  // namespace formats
