// The roots-file reader on any file, with each program's capacity and way
// of taking the constant, against a model of the file's lines: the count
// line, then one line per root holding its real and imaginary parts, then
// the constant.  The reader refuses the token the model refuses, keeps
// the roots the model keeps, each part the value of its token, and what it
// kept, written back with all digits, reads back as the same text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/roots_file.h"
#include "fuzz/file_harness.h"

namespace {

// A roots file as the texts its numbers must read as.
struct RootsTexts {
  std::int32_t count = 0;
  std::vector<std::string> re, im;
  fuzz::FileModel::Constant constant;
};

std::optional<RootsTexts> Model(fuzz::FileModel& model, const fuzz::ReaderOptions& options) {
  RootsTexts file;
  const std::optional<std::int32_t> count = model.Integer();
  if (!count) return std::nullopt;
  model.EndLine();
  file.count = *count;
  const std::int32_t kept = std::clamp(file.count, 0, std::max(options.capacity, 0));
  // the surplus roots are read and dropped; past the last token, every
  // root still announced is 0 + 0j
  for (std::int32_t k = 0; k < file.count && !model.NoTokenLeft(); ++k) {
    const std::optional<std::string> re = model.Real();
    const std::optional<std::string> im = re ? model.Real() : std::nullopt;
    if (!im) return std::nullopt;
    model.EndLine();
    if (k >= kept) continue;
    file.re.push_back(*re);
    file.im.push_back(*im);
  }
  file.re.resize(static_cast<std::size_t>(kept), "0");
  file.im.resize(static_cast<std::size_t>(kept), "0");
  const std::optional<fuzz::FileModel::Constant> constant = model.ClosingConstant(options.rule);
  if (!constant) return std::nullopt;
  file.constant = *constant;
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const fuzz::ReaderOptions options = fuzz::PickReaderOptions(data[0]);
  const fuzz::Outcome<formats::RootsFile> read =
      fuzz::ReadInput<formats::RootsFile>("roots", data, size, options, formats::ReadRootsFile);
  fuzz::FileModel model(fuzz::AsText(data + 1, size - 1));
  const std::optional<RootsTexts> expected = Model(model, options);
  FUZZ_CHECK(read.file.has_value() == expected.has_value() && read.refused == model.refused());
  if (!read.file) return 0;
  const formats::RootsFile& file = *read.file;
  const std::size_t kept = expected->re.size();
  FUZZ_CHECK(file.count == expected->count && file.re.size() == kept && file.im.size() == kept);
  for (std::size_t k = 0; k < kept; ++k)
    FUZZ_CHECK(fuzz::ReadsAs(file.re[k], expected->re[k]) && fuzz::ReadsAs(file.im[k], expected->im[k]));
  FUZZ_CHECK(fuzz::ReadsAs(file.constant, expected->constant.text) && file.constant_line == expected->constant.line);
  FUZZ_CHECK(file.Truncated() == (file.count > static_cast<std::int64_t>(kept)));

  formats::RootsFile written = file;
  written.count = static_cast<std::int32_t>(kept);
  const formats::RootsFile back =
      fuzz::WrittenAndReadBack("roots-copy", written, options, formats::WriteRootsFile, formats::ReadRootsFile);
  FUZZ_CHECK(back.count == written.count && back.re.size() == kept && back.im.size() == kept);
  for (std::size_t k = 0; k < kept; ++k)
    FUZZ_CHECK(fuzz::SameWritten(back.re[k], file.re[k]) && fuzz::SameWritten(back.im[k], file.im[k]));
  FUZZ_CHECK(fuzz::SameWritten(back.constant, file.constant));
  return 0;
}
