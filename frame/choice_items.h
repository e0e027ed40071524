// The items of a selection prompt, written as one comma-separated text in
// which a letter in square brackets is the item's key:
// "[C]hebyshev,Chebyshev [M]odificado,[#]" shows Chebyshev, Chebyshev
// Modificado and # with the keys C, M and #.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace frame {

struct ChoiceItems {
  std::vector<std::string> items;  // as shown, without the brackets
  std::string keys;                // the key letters in the order written
};

// A comma ends an item; a comma as the last character adds no empty item,
// two commas in a row add one.  Each "]" takes the character before it as a
// key, whatever item it is in.
ChoiceItems ParseChoiceItems(std::string_view text);

}  // namespace frame
