// The polynomial-file reader on any file, with each program's capacity and
// way of taking the constant: it refuses only with a conversion error, keeps
// no more coefficients than announced or than fit, and what it kept,
// written back with all digits, reads back as the same text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "formats/polynomial_file.h"
#include "fuzz/file_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const fuzz::ReaderOptions options = fuzz::PickReaderOptions(data[0]);
  const std::optional<formats::PolynomialFile> read =
      fuzz::ReadInput<formats::PolynomialFile>("polynomial", data, size, options, formats::ReadPolynomialFile);
  if (!read) return 0;
  const formats::PolynomialFile& file = *read;
  const std::size_t kept = file.a.size();
  const std::int64_t announced = static_cast<std::int64_t>(file.degree) + 1;
  FUZZ_CHECK(static_cast<std::int64_t>(kept) ==
             std::clamp<std::int64_t>(announced, 0, std::max<std::int64_t>(options.capacity + 1LL, 0)));
  FUZZ_CHECK(file.Truncated() == (announced > static_cast<std::int64_t>(kept)));
  if (options.rule == formats::ConstantRule::kNever) FUZZ_CHECK(!file.constant_line && file.constant == 1);

  formats::PolynomialFile written = file;
  written.degree = static_cast<std::int32_t>(kept) - 1;
  const formats::PolynomialFile back = fuzz::WrittenAndReadBack("polynomial-copy", written, options,
                                                                formats::WritePolynomialFile, formats::ReadPolynomialFile);
  FUZZ_CHECK(back.degree == written.degree && back.a.size() == kept);
  for (std::size_t i = 0; i < kept; ++i) FUZZ_CHECK(fuzz::SameWritten(back.a[i], file.a[i]));
  FUZZ_CHECK(fuzz::SameWritten(back.constant, file.constant));
  return 0;
}
