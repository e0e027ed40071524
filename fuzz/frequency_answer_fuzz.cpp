// tramow's answer to the frequency prompt, against tables of every fill
// from empty to full: a root named is taken from its table only when the
// number lies within the count, a typed point is the two parts the parser
// reads, and nothing else is accepted.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/number_parse.h"
#include "fuzz/scratch_file.h"
#include "ladder/immittance_entry.h"
#include "ladder/immittance_model.h"

namespace {

using base::Extended;

// A table of `count` roots (the count as a file may announce it, from -1
// up to the table's 40), each root telling its table and number apart.
void Fill(ladder::RootTable& table, std::int32_t count, Extended sign) {
  table.count = count;
  for (std::int32_t k = 1; k <= ladder::kMaxRoots; ++k) {
    table.re[static_cast<std::size_t>(k)] = sign * Extended(k);
    table.im[static_cast<std::size_t>(k)] = Extended(k) / Extended(8);
  }
}

std::int32_t PickCount(std::uint8_t byte) { return byte % (ladder::kMaxRoots + 2) - 1; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static ladder::ImmittanceModel model;
  Fill(model.zeros, PickCount(data[0]), 1);
  Fill(model.poles, PickCount(data[1]), -1);
  const std::string answer(fuzz::AsText(data + 2, size - 2));

  const std::optional<poly::Complex> point = ladder::ParseFrequency(answer, model);
  const char key = answer.size() < 2 ? ' ' : answer[0];
  if (key == 'P' || key == 'p' || key == 'Z' || key == 'z') {
    const ladder::RootTable& table = key == 'P' || key == 'p' ? model.poles : model.zeros;
    const std::optional<std::int32_t> k = base::ParseInteger(std::string_view(answer).substr(1));
    const bool named = k && *k >= 1 && *k <= table.count;
    FUZZ_CHECK(point.has_value() == named);
    if (named) {
      const Extended sign = &table == &model.poles ? -1 : 1;
      FUZZ_CHECK(point->re == sign * Extended(*k) && point->im == Extended(*k) / Extended(8));
    }
    return 0;
  }
  const std::size_t blank = answer.find(' ');
  if (blank == std::string::npos) {
    FUZZ_CHECK(!point);
    return 0;
  }
  const std::optional<Extended> re = base::ParseReal(answer.substr(0, blank));
  const std::optional<Extended> im = base::ParseReal(answer.substr(blank + 1));
  FUZZ_CHECK(point.has_value() == (re && im));
  if (point) FUZZ_CHECK(point->re == *re && point->im == *im);
  return 0;
}
