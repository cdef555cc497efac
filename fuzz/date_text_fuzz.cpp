// A game date text of any bytes splits into parts taken from the text as it
// stands, or not at all; a text written from a date splits into that date.
#include "fuzz_support.h"

#include "core/calendar/calendar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bm::calendar;
    using bm::fuzz::require;
    const auto text = bm::fuzz::bytesOf(data, size);
    if (const auto split = splitGameDate(text)) {
        require(weekdayNumber(split->weekday) != 0 && text.starts_with(split->weekday + " "));
        require(split->month >= 1 && split->month <= 12);
        const std::string month(monthName(split->month));
        require(split->monthNameLength == static_cast<int>(month.size()));
        require(text.find(" " + month + " ") != std::string_view::npos);
        require(split->year.size() == 4 && text.ends_with(split->year));
        require(text.find(split->day) != std::string_view::npos);
    }
    (void)inNextBigShowWindow("Wednesday", "11", "August", "2004", text);

    // Parts from the first bytes: written out and split again, they come back.
    if (size >= 4) {
        const std::string_view weekday = kWeekdayNames[data[0] % 7];
        const int day = 1 + data[1] % 31;
        const int month = 1 + data[2] % 12;
        const int year = 1950 + data[3] % 101;
        const auto again = splitGameDate(gameDateText(weekday, day, month, year));
        require(again && again->weekday == weekday && again->day == std::to_string(day) &&
                again->month == month && again->year == std::to_string(year));
        const bool real = isRealDate(day, month, year);
        const bool valid =
            isValidStartDate(weekday, std::to_string(day), monthName(month), std::to_string(year));
        require(!valid || real);
    }
    return 0;
}
