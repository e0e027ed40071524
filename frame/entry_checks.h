// What an entry of a polynomial or of roots checks before it takes what the
// user gave: that the chosen file opens, and that a degree or a count fits
// the program's storage and means something.  Each program words its own
// lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/text_file.h"
#include "frame/console.h"

namespace frame {

// The file of this name open for reading; none, with the line logged, when
// it does not open.
std::optional<base::TextReader> OpenChosenFile(const std::string& name, const std::string& missing_line,
                                               Console& console);

// The degrees or counts an entry takes, and the lines that refuse the others.
struct DegreeRange {
  std::int32_t lowest = 0;
  std::int32_t highest = 0;
  const char* below_line = "";
  const char* above_line = "";
};

// Logs the refusing line of a value outside the range and gives true.
bool RefusedDegree(std::int32_t n, const DegreeRange& range, Console& console);

// Asks until the value lies in the range.  A refused value is logged and the
// prompt comes back with the nearest allowed value as its default, so that
// closing the dialog ends the loop.
std::int32_t AskDegree(const std::string& prompt, std::int32_t current, const DegreeRange& range, Console& console);

}  // namespace frame
