#include "core/text/code_page.h"

#include <gtest/gtest.h>

namespace bm::text {
namespace {

// Every byte has a character and comes back from it; in UTF-8 the bytes
// where Windows-1252 differs from Latin-1 take two or three bytes.
TEST(CodePage, EveryByteHasItsCharacterAndUtf8) {
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(byteOf(characterOf(static_cast<char>(b))), static_cast<char>(b)) << b;
    }
    const struct {
        std::string bytes, utf8;
    } cases[] = {
        {"", ""},
        {std::string("A\0", 2), std::string("A\0", 2)},
        {"\x80\x9f", "\xE2\x82\xAC\xC5\xB8"}, // euro sign, Y with diaeresis
        {"\x81\x9d", "\xC2\x81\xC2\x9D"},     // unused: kept as controls
        {"caf\xe9\xff", "caf\xC3\xA9\xC3\xBF"},
        {"q\x80xy\xe9z", "q\xE2\x82\xACxy\xC3\xA9z"}, // plain runs between
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toUtf8(c.bytes), c.utf8) << testing::PrintToString(c.bytes);
    }
    EXPECT_EQ(byteOf(U'\u03A9'), '?'); // not in the code page
}

} // namespace
} // namespace bm::text
