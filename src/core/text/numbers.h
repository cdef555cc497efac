#pragma once

#include <string>
#include <string_view>

namespace bm::text {

// The number a text begins with: leading blanks skipped, then an optional
// sign, digits with an optional decimal point, and an optional exponent.
// "12,000" gives 12 and "abc" gives 0. Values beyond the range of a double
// are held at its largest magnitude.
double numericValue(std::string_view text);

// A number rounded to the nearest whole number (halves to even) and held
// within -32768..32767, the range of the game's 16-bit whole numbers.
int wholeNumber(double value);
int wholeNumber(std::string_view text);

// Plain decimal text of a number without blanks, to 15 significant digits:
// "7500", "-100", "2.5", "0.00001"; 1.5e3 gives "1500". Only magnitudes from
// 1e15 up are written with an exponent.
std::string decimalText(double value);

} // namespace bm::text
