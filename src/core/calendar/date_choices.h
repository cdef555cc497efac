#pragma once

#include "core/calendar/calendar.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The entries of the drop-down lists that choose a date, in list order.
namespace bm::calendar {

// The captions over the four lists of a date.
inline constexpr std::array<std::string_view, 4> kDatePartCaptions{"Day", "Number", "Month",
                                                                   "Year"};

inline std::vector<std::string> weekdayChoices() {
    return {kWeekdayNames.begin(), kWeekdayNames.end()};
}

inline std::vector<std::string> monthChoices() {
    return {kMonthNames.begin(), kMonthNames.end()};
}

// "1" to "31": every day number any month can have.
inline std::vector<std::string> dayChoices() {
    std::vector<std::string> days;
    for (int day = 1; day <= 31; ++day) {
        days.push_back(std::to_string(day));
    }
    return days;
}

inline std::vector<std::string> yearChoices(int first, int last) {
    std::vector<std::string> years;
    for (int year = first; year <= last; ++year) {
        years.push_back(std::to_string(year));
    }
    return years;
}

} // namespace bm::calendar
