#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace bm::cli {

// Exit statuses of bm13check.
inline constexpr int kNothingFound = 0;
inline constexpr int kFoundSomething = 1;
inline constexpr int kUsageError = 2;

// bm13check with the arguments after the program name: runs the editor's
// checks on a game folder and prints what they find. The game folder becomes
// the current directory while it runs (the previous one is restored). Never
// writes a file.
int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

std::string checkHelpText();

} // namespace bm::cli
