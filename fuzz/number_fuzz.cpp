// The numeric value of any text typed by a user or read from a file: finite,
// its whole number within the game's 16-bit range, and its decimal text a
// plain number that reads back as the same value.
#include "fuzz_support.h"

#include "core/text/numbers.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using bm::fuzz::require;
    const auto bytes = bm::fuzz::bytesOf(data, size);
    const double value = bm::text::numericValue(bytes);
    require(std::isfinite(value));
    const int whole = bm::text::wholeNumber(bytes);
    require(whole >= -32768 && whole <= 32767);
    require(whole == bm::text::wholeNumber(value));
    const std::string text = bm::text::decimalText(value);
    require(!text.empty() && text.find(' ') == std::string::npos);
    const double back = bm::text::numericValue(text);
    require(value == 0 ? back == 0 : std::fabs(back - value) <= std::fabs(value) * 1e-14);
    // The number a text begins with ignores what follows it.
    require(bm::text::numericValue(text + "x" + std::string(bytes)) == back);
    return 0;
}
