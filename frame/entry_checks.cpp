#include "frame/entry_checks.h"

#include <algorithm>

namespace frame {

std::optional<base::TextReader> OpenChosenFile(const std::string& name, const std::string& missing_line,
                                               Console& console) {
  std::optional<base::TextReader> in = base::TextReader::TryOpen(name);
  if (!in) console.ShowLine(missing_line);
  return in;
}

bool RefusedDegree(std::int32_t n, const DegreeRange& range, Console& console) {
  if (n > range.highest) {
    console.ShowLine(range.above_line);
    return true;
  }
  if (n < range.lowest) {
    console.ShowLine(range.below_line);
    return true;
  }
  return false;
}

std::int32_t AskDegree(const std::string& prompt, std::int32_t current, const DegreeRange& range, Console& console) {
  std::int32_t n = current;
  for (;;) {
    console.AskInteger(prompt, n);
    if (!RefusedDegree(n, range, console)) return n;
    n = std::clamp(n, range.lowest, range.highest);
  }
}

}  // namespace frame
