// The roots-file reader on any file, with each program's capacity and way
// of taking the constant: it refuses only with a conversion error, keeps
// no more roots than announced or than fit, and what it kept, written back
// with all digits, reads back as the same text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "formats/roots_file.h"
#include "fuzz/file_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const fuzz::ReaderOptions options = fuzz::PickReaderOptions(data[0]);
  const std::optional<formats::RootsFile> read =
      fuzz::ReadInput<formats::RootsFile>("roots", data, size, options, formats::ReadRootsFile);
  if (!read) return 0;
  const formats::RootsFile& file = *read;
  const std::size_t kept = file.re.size();
  FUZZ_CHECK(file.im.size() == kept);
  FUZZ_CHECK(kept == static_cast<std::size_t>(std::clamp(file.count, 0, std::max(options.capacity, 0))));
  FUZZ_CHECK(file.Truncated() == (file.count > static_cast<std::int64_t>(kept)));
  if (options.rule == formats::ConstantRule::kNever) FUZZ_CHECK(!file.constant_line && file.constant == 1);

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
