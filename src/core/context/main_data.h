#pragma once

#include <cstddef>
#include <string_view>

// Layout of the main data file of a context. The game owns every other line;
// the editor reads and rewrites only the start date.
namespace bm::context::maindata {

inline constexpr std::string_view kFileName = "maindata.bm1";

inline constexpr std::size_t kStartWeekday = 2; // "Wednesday"
inline constexpr std::size_t kStartDay = 3;     // "18", no leading zero
inline constexpr std::size_t kStartMonth = 4;   // "August"
inline constexpr std::size_t kStartYear = 5;    // "2004"
// A file with fewer lines holds no start date.
inline constexpr std::size_t kMinLines = kStartYear + 1;

} // namespace bm::context::maindata
