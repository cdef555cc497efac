#pragma once

#include <string>
#include <string_view>

namespace bm::text {

// Letter case as the game's single-byte text has it (Windows-1252): A-Z and
// the accented capitals have lower-case partners; every other byte is its
// own lower case.
char lowerCase(char c);
std::string lowerCase(std::string_view text);

// Orders texts with upper and lower case together ("alpha" before "Beta");
// texts that differ only in case are ordered byte by byte. Negative, zero or
// positive, as strcmp.
int compareCaseBlind(std::string_view a, std::string_view b);

} // namespace bm::text
