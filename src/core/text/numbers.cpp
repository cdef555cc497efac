#include "core/text/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace bm::text {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

double numericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t intDigits = 0; // significant digits before the point
    bool anyDigit = false;
    bool nonZero = false;
    while (i < text.size() && isDigit(text[i])) {
        if (text[i] != '0' || intDigits > 0) {
            ++intDigits;
        }
        nonZero = nonZero || text[i] != '0';
        anyDigit = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            nonZero = nonZero || text[i] != '0';
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    std::size_t end = i;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < 100000) {
                    exponent = exponent * 10 + (text[j] - '0');
                }
                ++j;
            }
            exponent = expNegative ? -exponent : exponent;
            end = j;
        }
    }
    if (!nonZero) {
        return 0.0;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + end, value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: decide by the magnitude.
        const bool huge = static_cast<long long>(intDigits) + exponent > 0;
        value = huge ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

int wholeNumber(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= -32768.0) {
        return -32768;
    }
    if (value >= 32767.0) {
        return 32767;
    }
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(value));
}

int wholeNumber(std::string_view text) {
    return wholeNumber(numericValue(text));
}

std::string decimalText(double value) {
    if (std::isnan(value)) {
        return "0";
    }
    if (std::isinf(value)) {
        value =
            value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    }
    if (value == 0.0) {
        return "0"; // also for -0
    }
    std::array<char, 64> buffer{};
    if (std::fabs(value) >= 1e15) {
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::general, 15);
        return std::string(buffer.data(), result.ptr);
    }
    if (value == std::trunc(value)) {
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                          static_cast<long long>(value));
        return std::string(buffer.data(), result.ptr);
    }
    // Fifteen significant digits keep results such as 0.83 * 100 clean; they
    // come as "-d.dddddddddddddde-XX" and are laid out without the exponent.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 14);
    const std::string_view sci(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits;
    for (const char c : sci.substr(0, e)) {
        if (isDigit(c)) {
            digits += c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    const std::string_view exp = sci.substr(e + 1);
    std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), exponent);
    std::string text = negative ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() < whole) {
            digits.append(whole - digits.size(), '0');
        }
        text += digits.substr(0, whole);
        if (digits.size() > whole) {
            text += '.' + digits.substr(whole);
        }
    }
    return text;
}

} // namespace bm::text
