#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Layout of the venues file of a context: records of six lines, one after
// another, with nothing between them.
namespace bm::venues {

inline constexpr std::string_view kFileName = "venues.txt";

namespace line {
inline constexpr std::size_t venuename = 0; // the key of the record
inline constexpr std::size_t citystate = 1;
inline constexpr std::size_t cityname = 2;
inline constexpr std::size_t capacity = 3; // plain decimal
inline constexpr std::size_t country = 4;  // one of kCountries, as a rule
inline constexpr std::size_t exclusiveto = 5;
} // namespace line
inline constexpr std::size_t kRecordLines = 6;
static_assert(line::exclusiveto == kRecordLines - 1);

inline constexpr std::array<std::string_view, 4> kCountries{"USA", "UK", "Japan", "Other"};
// What the country list shows for a stored country that is none of the four.
inline constexpr std::string_view kOtherCountry = "Other";

// A new venue, in record order; the name is the first free default name.
inline constexpr std::string_view kDefaultName = "Default Venue";
inline constexpr std::array<std::string_view, kRecordLines> kNewVenue{
    kDefaultName, "Miami, Florida", "Florida", "1000", "USA", "None",
};
// A capacity answer that holds no number, or 0, gives this.
inline constexpr double kDefaultCapacity = 1000;

} // namespace bm::venues
