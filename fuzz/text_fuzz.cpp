// Numbers, patterns and dates typed by users or read from files.
#include "core/calendar/calendar.h"
#include "core/text/numbers.h"
#include "core/text/pattern.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const double value = bm::text::numericValue(bytes);
    if (!std::isfinite(value)) {
        std::abort();
    }
    const int whole = bm::text::wholeNumber(bytes);
    if (whole < -32768 || whole > 32767) {
        std::abort();
    }
    // The decimal text of a number reads back as that number.
    const double back = bm::text::numericValue(bm::text::decimalText(value));
    if (value != 0 && std::fabs(back - value) > std::fabs(value) * 1e-14) {
        std::abort();
    }
    // First half as the text, second half as the pattern.
    const std::size_t half = bytes.size() / 2;
    (void)bm::text::matchesPattern(bytes.substr(0, half), bytes.substr(half));
    (void)bm::text::matchesPattern(bytes, bytes);
    (void)bm::calendar::splitGameDate(bytes);
    (void)bm::calendar::inNextBigShowWindow("Wednesday", "11", "August", "2004", bytes);
    return 0;
}
