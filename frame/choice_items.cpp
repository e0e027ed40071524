#include "frame/choice_items.h"

namespace frame {

ChoiceItems ParseChoiceItems(std::string_view text) {
  ChoiceItems result;
  std::string item;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ']' && i > 0) result.keys.push_back(text[i - 1]);
    if (c != ',' && c != '[' && c != ']') item.push_back(c);
    const bool item_ends = i + 1 == text.size() || text[i + 1] == ',';
    // the comma that closes the text belongs to the item before it
    const bool trailing_comma = c == ',' && i + 1 == text.size();
    if (item_ends && !trailing_comma) {
      result.items.push_back(item);
      item.clear();
    }
  }
  return result;
}

}  // namespace frame
