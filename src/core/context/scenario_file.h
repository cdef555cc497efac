#pragma once

#include <cstddef>
#include <string_view>

// Layout of a scenario's information file: its title, a description and the
// author's credit, one line each.
namespace bm::context::scenariofile {

inline constexpr std::string_view kFileName = "scenario.txt";

inline constexpr std::size_t scenarioname = 0;
inline constexpr std::size_t scenariodesc = 1;
inline constexpr std::size_t scenariocreator = 2;
inline constexpr std::size_t kLines = 3;
static_assert(scenariocreator == kLines - 1);

} // namespace bm::context::scenariofile
