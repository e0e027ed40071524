#include "formats/file_lines.h"

#include "base/number_text.h"

namespace formats {

std::int32_t ReadIntegerLine(base::TextReader& in) {
  const std::int32_t n = in.ReadInteger();
  in.SkipLine();
  return n;
}

base::Extended ReadRealLine(base::TextReader& in) {
  const base::Extended x = in.ReadReal();
  in.SkipLine();
  return x;
}

ConstantLine ReadConstantLine(base::TextReader& in, ConstantRule rule) {
  ConstantLine line;
  if (rule == ConstantRule::kNever) return line;
  line.present = !in.OnlyBlanksLeft();
  if (rule == ConstantRule::kOptional && !line.present) return line;
  line.value = ReadRealLine(in);
  return line;
}

std::string RealFormat::Text(base::Extended x) const { return base::FloatToText(x, width, decimals); }

void WriteIntegerLine(base::TextWriter& out, std::int64_t n) { out.WriteLine(base::IntToText(n)); }

}  // namespace formats
