#include "core/text/name_order.h"

#include <algorithm>
#include <array>

namespace bm::text {
namespace {

// Windows-1252 bytes 0x80..0x9F as Unicode; the other bytes are their own
// code point.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code point of a byte's upper-case letter, the key the names sort by.
char16_t upperKey(char ch) {
    auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        c = static_cast<unsigned char>(c - 0x20);
    } else if (c == 0x9A || c == 0x9C || c == 0x9E) { // s, oe, z with marks
        c = static_cast<unsigned char>(c - 0x10);
    } else if (c == 0xFF) { // y with diaeresis
        c = 0x9F;
    }
    return c >= 0x80 && c <= 0x9F ? kHighControls[c - 0x80u] : static_cast<char16_t>(c);
}

} // namespace

bool namesInOrder(std::string_view a, std::string_view b) {
    const auto less = [](char x, char y) { return upperKey(x) < upperKey(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less)) {
        return false;
    }
    // Ties go by the bytes themselves, unsigned as the file system sees them.
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace bm::text
