// The text-file number reader against a plain split of the same bytes: the
// reader streams the file block by block, so every token, line end and end
// of file must come out as if the file were held whole, and every number as
// the model of the syntax reads the token, exactly (not as the program's
// parser does).  The first byte may place the content just before a block
// boundary, the second picks the reads (integer, real or the rest of a line).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "base/text_file.h"
#include "fuzz/number_model.h"
#include "fuzz/scratch_file.h"

namespace {

// The reader's block: content that starts a little before it straddles it.
constexpr std::size_t kBlockSize = std::size_t{1} << 16;
// A first byte from this one on puts the content 1..64 bytes before it.
constexpr std::uint8_t kStraddle = 0xC0;
// A read that gives nothing is at the end: this many end the input.
constexpr int kReadsAtEnd = 3;
// The look-ahead for only blanks is compared at the first steps, and then
// within this many bytes of the last non-blank.
constexpr unsigned kFirstLookAheads = 4;
constexpr std::size_t kNearEnd = 64;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The file held whole, read by the rules the streaming reader must follow.
class HeldFile {
 public:
  explicit HeldFile(std::string_view text) : text_(text) {
    while (last_ > 0 && fuzz::IsSpace(text_[last_ - 1])) --last_;
  }

  std::string_view NextToken() {
    while (pos_ < text_.size() && fuzz::IsSpace(text_[pos_])) ++pos_;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !fuzz::IsSpace(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }
  void SkipLine() {
    while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) ++pos_;
    if (pos_ == text_.size()) return;
    const char end = text_[pos_++];
    if (end == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  }
  bool OnlyBlanksLeft() const { return pos_ >= last_; }
  bool NearLastToken() const { return pos_ + kNearEnd >= last_; }
  bool AtEnd() const { return pos_ == text_.size(); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t last_ = text_.size();  // just after the last non-blank
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // a quarter of the inputs straddle the boundary: the lead costs time
  const std::size_t lead = data[0] < kStraddle ? 0 : kBlockSize - (data[0] - kStraddle + 1);
  const std::uint8_t pattern = data[1];
  const std::string content = std::string(lead, ' ') + std::string(fuzz::AsText(data + 2, size - 2));
  const std::string path = fuzz::WriteScratch("text_reader", content);

  base::TextReader in(path);
  HeldFile held(content);
  int reads_at_end = 0;
  for (unsigned step = 0; reads_at_end < kReadsAtEnd; ++step) {
    // the reader looks ahead through a block of its own, a cost at every
    // step: where the answer may change, near the last token
    if (step < kFirstLookAheads || held.NearLastToken()) FUZZ_CHECK(in.OnlyBlanksLeft() == held.OnlyBlanksLeft());
    FUZZ_CHECK(in.AtEnd() == held.AtEnd());
    if (held.OnlyBlanksLeft()) ++reads_at_end;
    switch ((pattern >> (2 * (step % 4))) & 3) {
      case 0:
        in.SkipLine();
        held.SkipLine();
        break;
      case 1: {
        const std::string token(held.NextToken());
        const std::optional<std::int32_t> expected = token.empty() ? 0 : fuzz::IntegerOf(token);
        try {
          const std::int32_t n = in.ReadInteger();
          FUZZ_CHECK(expected && n == *expected);
        } catch (const base::ConversionError& error) {
          FUZZ_CHECK(!expected && error.token() == token);
          return 0;
        }
        break;
      }
      default: {
        const std::string token(held.NextToken());
        // at the end of the file a real reads as +0
        const std::string_view read_as = token.empty() ? std::string_view("0") : token;
        try {
          FUZZ_CHECK(fuzz::IsReadingOf(read_as, in.ReadReal().raw(), true));
        } catch (const base::ConversionError& error) {
          FUZZ_CHECK(fuzz::IsReadingOf(read_as, std::nullopt, true) && error.token() == token);
          return 0;
        }
        break;
      }
    }
  }
  return 0;
}
