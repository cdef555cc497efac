#pragma once

#include "core/platform/status.h"

#include <filesystem>
#include <string>
#include <string_view>

// Small pieces that both checks' reports are made of.
namespace bm::checks {

inline constexpr std::string_view kLineEnd = "\r\n";

using platform::quoted;

// "1 line", "40 lines".
inline std::string countOf(std::size_t n, std::string_view noun) {
    return std::to_string(n) + " " + std::string(noun) + (n == 1 ? "" : "s");
}

// Four decimal digits, as the game writes a year.
inline bool isFourDigitYear(std::string_view text, int& year) {
    if (text.size() != 4) {
        return false;
    }
    year = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        year = year * 10 + (c - '0');
    }
    return true;
}

} // namespace bm::checks
