// The polynomial-file reader on any file, with each program's capacity and
// way of taking the constant, against a model of the file's lines: the
// degree line, then one line per coefficient from a(0) up, then the
// constant.  The reader refuses the token the model refuses, keeps the
// coefficients the model keeps, each the value of its token, and what it
// kept, written back with all digits, reads back as the same text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/polynomial_file.h"
#include "fuzz/file_harness.h"

namespace {

// A polynomial file as the texts its numbers must read as.
struct PolynomialTexts {
  std::int32_t degree = -1;
  std::vector<std::string> a;
  fuzz::FileModel::Constant constant;
};

std::optional<PolynomialTexts> Model(fuzz::FileModel& model, const fuzz::ReaderOptions& options) {
  PolynomialTexts file;
  const std::optional<std::int32_t> degree = model.Integer();
  if (!degree) return std::nullopt;
  model.EndLine();
  file.degree = *degree;
  // a degree line of 2^31 - 1 announces 2^31 coefficients
  const std::int64_t announced = std::int64_t{file.degree} + 1;
  const std::int64_t kept = std::clamp<std::int64_t>(announced, 0, std::max<std::int64_t>(options.capacity + 1LL, 0));
  // the surplus coefficients are read and dropped; past the last token,
  // every coefficient still announced is 0
  for (std::int64_t i = 0; i < announced && !model.NoTokenLeft(); ++i) {
    const std::optional<std::string> coefficient = model.Real();
    if (!coefficient) return std::nullopt;
    model.EndLine();
    if (i < kept) file.a.push_back(*coefficient);
  }
  file.a.resize(static_cast<std::size_t>(kept), "0");
  const std::optional<fuzz::FileModel::Constant> constant = model.ClosingConstant(options.rule);
  if (!constant) return std::nullopt;
  file.constant = *constant;
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const fuzz::ReaderOptions options = fuzz::PickReaderOptions(data[0]);
  const fuzz::Outcome<formats::PolynomialFile> read =
      fuzz::ReadInput<formats::PolynomialFile>("polynomial", data, size, options, formats::ReadPolynomialFile);
  fuzz::FileModel model(fuzz::AsText(data + 1, size - 1));
  const std::optional<PolynomialTexts> expected = Model(model, options);
  FUZZ_CHECK(read.file.has_value() == expected.has_value() && read.refused == model.refused());
  if (!read.file) return 0;
  const formats::PolynomialFile& file = *read.file;
  const std::size_t kept = expected->a.size();
  FUZZ_CHECK(file.degree == expected->degree && file.a.size() == kept);
  for (std::size_t i = 0; i < kept; ++i) FUZZ_CHECK(fuzz::ReadsAs(file.a[i], expected->a[i]));
  FUZZ_CHECK(fuzz::ReadsAs(file.constant, expected->constant.text) && file.constant_line == expected->constant.line);
  FUZZ_CHECK(file.Truncated() == (std::int64_t{file.degree} + 1 > static_cast<std::int64_t>(kept)));

  formats::PolynomialFile written = file;
  written.degree = static_cast<std::int32_t>(kept) - 1;
  const formats::PolynomialFile back = fuzz::WrittenAndReadBack(
      "polynomial-copy", written, options, formats::WritePolynomialFile, formats::ReadPolynomialFile);
  FUZZ_CHECK(back.degree == written.degree && back.a.size() == kept);
  for (std::size_t i = 0; i < kept; ++i) FUZZ_CHECK(fuzz::SameWritten(back.a[i], file.a[i]));
  FUZZ_CHECK(fuzz::SameWritten(back.constant, file.constant));
  return 0;
}
