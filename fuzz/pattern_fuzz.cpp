// The search pattern on any text and any pattern: it answers (libFuzzer's
// time limit catches a pattern that takes too long), "*" matches everything,
// and a text matches itself with its wildcard characters bracketed.
#include "fuzz_support.h"

#include "core/text/pattern.h"

namespace {

std::string literally(std::string_view text) {
    std::string pattern;
    for (const char c : text) {
        if (c == '*' || c == '?' || c == '#' || c == '[') {
            pattern += '[';
            pattern += c;
            pattern += ']';
        } else {
            pattern += c;
        }
    }
    return pattern;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using bm::fuzz::require;
    using bm::text::matchesPattern;
    const auto bytes = bm::fuzz::bytesOf(data, size);
    // First half as the text, second half as the pattern.
    const std::size_t half = size / 2;
    const auto text = bytes.substr(0, half);
    (void)matchesPattern(text, bytes.substr(half));
    (void)matchesPattern(bytes, bytes);
    require(matchesPattern(bytes, "*"));
    require(matchesPattern(bytes, literally(bytes)));
    require(matchesPattern(bytes, "*" + literally(text) + "*"));
    require(!matchesPattern(bytes, literally(bytes) + "?"));
    return 0;
}
