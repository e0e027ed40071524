#include "frame/log.h"

#include "base/number_text.h"

namespace frame {
namespace {

// A number in a log line never takes more than this many characters.
constexpr std::size_t kLogNumberLength = 40;

// The low 8 bits read as a signed number.
int SignedLowByte(std::int32_t n) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) & 0xFFu));
}

}  // namespace

std::string IntToText(std::int64_t n) { return base::IntToText(n); }

std::string RealToText(std::int32_t w, std::int32_t d, base::Extended x) {
  return base::FloatToText(x, SignedLowByte(w), SignedLowByte(d)).substr(0, kLogNumberLength);
}

}  // namespace frame
