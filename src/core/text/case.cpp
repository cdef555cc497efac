#include "core/text/case.h"

#include <array>

namespace bm::text {
namespace {

constexpr std::array<unsigned char, 256> makeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    }
    auto pair = [&table](int upper, int lower) {
        table[static_cast<std::size_t>(upper)] = static_cast<unsigned char>(lower);
    };
    for (int c = 'A'; c <= 'Z'; ++c) {
        pair(c, c + 32);
    }
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) { // the multiplication sign has no lower case
            pair(c, c + 32);
        }
    }
    pair(0x8A, 0x9A); // S caron
    pair(0x8C, 0x9C); // OE
    pair(0x8E, 0x9E); // Z caron
    pair(0x9F, 0xFF); // Y diaeresis
    return table;
}

constexpr auto kLower = makeLowerTable();

unsigned char lowerByte(char c) {
    return kLower[static_cast<unsigned char>(c)];
}

} // namespace

char lowerCase(char c) {
    return static_cast<char>(lowerByte(c));
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = lowerCase(c);
    }
    return lower;
}

int compareCaseBlind(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = lowerByte(a[i]);
        const unsigned char y = lowerByte(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    const int exact = a.compare(b);
    return exact < 0 ? -1 : exact > 0 ? 1 : 0;
}

} // namespace bm::text
