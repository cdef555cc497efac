#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The game's calendar. The game's files write dates as text and the game
// checks them by walking one day at a time; these functions give exactly the
// answers of those walks, computed arithmetically.
namespace bm::calendar {

// Numbered 1..7 and 1..12 where a number is needed.
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Start dates lie within these years.
inline constexpr int kFirstStartYear = 1950;
inline constexpr int kLastStartYear = 2050;
// A next big show lies on one of this many days, the start date being the first.
inline constexpr int kBigShowWindowDays = 360;
// The date calculator gives up when its walk reaches this year.
inline constexpr int kCalculatorLimitYear = 2100;

// 1..7 and 1..12; 0 for any text that is not exactly a name.
int weekdayNumber(std::string_view name);
int monthNumber(std::string_view name);
// The name of a number; "" outside the range.
std::string_view weekdayName(int number);
std::string_view monthName(int number);

// Every fourth year, with no century exception, as the game counts.
bool isLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int monthLength(int month, int year);
bool isRealDate(int day, int month, int year);

struct Date {
    std::string weekday;
    int day = 0;
    int month = 0;
    int year = 0;

    bool operator==(const Date&) const = default;
};

// The one-day step that every date walk takes. A weekday that is not a name
// stays as it is, so such a date never meets a real one. A day at or past the
// month's length (31 April too) is followed by the 1st of the next month; any
// lower day, 0 or below included, just counts up. A month above 12 is
// followed by January of the next year and one below 1 counts up. The year
// is held at the largest int rather than overflow.
Date nextDay(Date d);

// "st", "nd", "rd" or "th" by the last two digits: 1st, 11th, 21st, 112th.
std::string ordinalSuffix(int day);
// "Wednesday 18th August 2004". A month outside 1..12 leaves its name empty,
// which no reader accepts as a date.
std::string gameDateText(std::string_view weekday, int day, int month, int year);

struct SplitDate {
    std::string weekday;
    std::string day;
    int month = 0;
    int monthNameLength = 0;
    std::string year;

    bool operator==(const SplitDate&) const = default;
};

// Splits a game date text the way the game reads one: the weekday name that
// begins it followed by a space, the first month name (in calendar order)
// that stands between spaces, the last four characters as the year, and as
// the day whatever lies between the weekday's space and the month name's
// space less the two suffix characters. The parts are not checked further: a
// day like "1s" or "" comes back as it is and simply never matches a date.
// nullopt when there is no weekday or month, or the text is too short to
// hold them.
std::optional<SplitDate> splitGameDate(std::string_view text);

// True when the texts name a real date from 1 January 1950 to 31 December
// 2050 with its true weekday. Day and year must be written as plain decimal
// ("18", "2004"): "018", " 18" or "18 " never are.
bool isValidStartDate(std::string_view weekday, std::string_view day, std::string_view month,
                      std::string_view year);

// True when `gameDate` names one of the 360 days of the walk that begins at
// the start date (step 0 is the start date as written), with the walk's
// weekday. The walk carries the start weekday along, so a start date with a
// wrong weekday accepts the shifted weekdays and one with an unknown weekday
// accepts nothing. A start day past the month's length ("31 April") matches
// as written at step 0 and is followed by the 1st of the next month; day "0"
// is followed by the 1st of its month. A start date whose month is not a
// name, or whose day or year is not plain decimal, has an empty window.
bool inNextBigShowWindow(std::string_view startWeekday, std::string_view startDay,
                         std::string_view startMonth, std::string_view startYear,
                         std::string_view gameDate);

// The date calculator: the number of one-day steps from `first` to `second`,
// both weekdays walked together. nullopt (the calculator's error) when
// `first` has a weekday that is not a name or is no real date, or when the
// walk reaches 2100 before it meets `second`: so for a `second` before
// `first`, with the wrong weekday, or that is no real date. Two equal dates
// give 0 even in 2100 or later; a different `second` from there is an error
// (the walk stops at once rather than run on past 2100). Also nullopt for a
// count that a long cannot hold, which only a year far in the past can give.
std::optional<long> calculatorDays(const Date& first, const Date& second);

} // namespace bm::calendar
