#pragma once

#include <string_view>

namespace bm::text {

// The wildcard match used by searches, name checks and folder listings:
//   *        any run of characters, also none
//   ?        any one character
//   #        any one digit 0-9
//   [list]   any one character of the list; "a-z" in a list is a range
//   [!list]  any one character not in the list
// Every other character stands for itself; comparison is byte for byte, so
// letter case matters. A pattern with an unclosed "[" matches nothing.
bool matchesPattern(std::string_view text, std::string_view pattern);

} // namespace bm::text
