// The choice-item parser on any item text: every character other than the
// brackets and commas lands in exactly one item in its order, an item never
// holds a separator, and each "]" after the first character gives the key
// written before it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/choice_items.h"
#include "fuzz/scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const frame::ChoiceItems choice = frame::ParseChoiceItems(text);

  std::string shown;
  std::string keys;
  std::size_t commas = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ',') ++commas;
    if (c == ']' && i > 0) keys.push_back(text[i - 1]);
    if (c != ',' && c != '[' && c != ']') shown.push_back(c);
  }
  std::string joined;
  for (const std::string& item : choice.items) {
    FUZZ_CHECK(item.find_first_of(",[]") == std::string::npos);
    joined += item;
  }
  FUZZ_CHECK(joined == shown);
  FUZZ_CHECK(choice.keys == keys);
  FUZZ_CHECK(choice.items.size() <= commas + 1);
  // a text without a comma is one item, an empty text none
  if (commas == 0) FUZZ_CHECK(choice.items.size() == (text.empty() ? 0 : 1));
  return 0;
}
