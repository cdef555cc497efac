#include "core/text/code_page.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace bm::text {
namespace {

// Characters of the bytes 0x80..0x9F; every other byte is its own code point.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t characterOf(char byte) {
    const auto u = static_cast<unsigned char>(byte);
    return u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : u;
}

char byteOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    appendUtf8(out, bytes);
    return out;
}

void appendUtf8(std::string& out, std::string_view bytes) {
    out.reserve(out.size() + bytes.size() + bytes.size() / 8);
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Reports are mostly plain ASCII, which is the same in UTF-8: copied
        // a run at a time, found eight bytes at a time.
        const std::size_t from = i;
        for (std::uint64_t word = 0; bytes.size() - i >= sizeof word; i += sizeof word) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if (word & kHighBits) {
                break;
            }
        }
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
        }
        out.append(bytes.data() + from, i - from);
        if (i == bytes.size()) {
            break;
        }
        const char32_t c = characterOf(bytes[i++]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

} // namespace bm::text
