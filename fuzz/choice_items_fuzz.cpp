// The choice-item parser on any item text, against the items cut by another
// route: the text split at every comma, each piece one item without its
// brackets, and each "]" after the first character giving the key written
// before it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/choice_items.h"
#include "fuzz/scratch_file.h"

namespace {

// A comma that opens or closes the text adds no empty item there (so an
// empty text has none); two commas in a row add one.  Whether a piece is
// empty is decided before its brackets go: "[]" is an item.
std::vector<std::string> ItemsBySplitting(std::string_view text) {
  std::vector<std::string> pieces(1);
  for (const char c : text) {
    if (c == ',')
      pieces.emplace_back();
    else
      pieces.back().push_back(c);
  }
  if (pieces.size() > 1 && pieces.front().empty()) pieces.erase(pieces.begin());
  if (pieces.back().empty()) pieces.pop_back();
  for (std::string& piece : pieces) std::erase_if(piece, [](char c) { return c == '[' || c == ']'; });
  return pieces;
}

std::string KeysWritten(std::string_view text) {
  std::string keys;
  for (std::size_t i = 1; i < text.size(); ++i)
    if (text[i] == ']') keys.push_back(text[i - 1]);
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const frame::ChoiceItems choice = frame::ParseChoiceItems(text);
  FUZZ_CHECK(choice.items == ItemsBySplitting(text));
  FUZZ_CHECK(choice.keys == KeysWritten(text));
  return 0;
}
