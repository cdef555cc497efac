#pragma once

#include <string>
#include <string_view>

namespace bm::text {

// The data files' single-byte text is Windows-1252; its five unused byte
// values are kept as the control characters of the same number, so that
// every byte has a character and survives a trip through the screen and
// back.
char32_t characterOf(char byte);
// The byte of a character; "?" for one that a data file cannot hold.
char byteOf(char32_t character);

// The bytes in UTF-8, every byte its character, for a terminal or a file.
std::string toUtf8(std::string_view bytes);
void appendUtf8(std::string& out, std::string_view bytes);

} // namespace bm::text
