#include "formats/polynomial_file.h"

#include <algorithm>

namespace formats {

PolynomialFile ReadPolynomialFile(base::TextReader& in, std::int32_t max_degree, ConstantRule rule) {
  PolynomialFile file;
  file.degree = ReadIntegerLine(in);
  // Counted in 64 bits: a degree line of 2^31 - 1 announces 2^31 coefficients.
  const std::int64_t announced = static_cast<std::int64_t>(file.degree) + 1;
  const std::int64_t kept = std::clamp<std::int64_t>(announced, 0, std::max<std::int64_t>(max_degree + 1LL, 0));
  file.a.reserve(static_cast<std::size_t>(kept));
  for (std::int64_t i = 0; i < announced && !in.AtEnd(); ++i) {
    const base::Extended coefficient = ReadRealLine(in);
    if (i < kept) file.a.push_back(coefficient);
  }
  // Coefficients announced beyond the end of the file read as 0.
  file.a.resize(static_cast<std::size_t>(kept), base::Extended(0));
  const ConstantLine constant = ReadConstantLine(in, rule);
  file.constant = constant.value;
  file.constant_line = constant.present;
  return file;
}

void WritePolynomialFile(base::TextWriter& out, const PolynomialFile& file, const RealFormat& format) {
  WriteIntegerLine(out, file.degree);
  for (const base::Extended& coefficient : file.a) out.WriteLine(format.Text(coefficient));
  out.WriteLine(format.Text(file.constant));
}

}  // namespace formats
