#include "core/calendar/calendar.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <limits>

namespace bm::calendar {

namespace {

constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};

// Any day at or above this behaves alike in a walk: it is past every month's end.
constexpr int kDayCap = 99;
// Above every four-digit year, so a capped year still never matches one.
constexpr int kYearCap = 99999;

constexpr long long floorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr long long floorMod(long long a, long long b) {
    return a - floorDiv(a, b) * b;
}

// Days counted from 1 January of year 0 in the game's calendar, where every
// fourth year is a leap year. Only for real dates.
constexpr long long daySerial(int day, int month, int year) {
    const long long y = year;
    return 365 * y + floorDiv(y + 3, 4) + kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] +
           ((month > 2 && year % 4 == 0) ? 1 : 0) + day - 1;
}

// Sunday 1 January 1950 is where the start date walk begins; the weekdays of
// every other walk keep step with it only when their start weekday is right.
constexpr long long kSundaySerial = daySerial(1, 1, 1950);

int weekdayAt(long long serial) {
    return static_cast<int>(floorMod(serial - kSundaySerial + 6, 7)) + 1;
}

int weekdayAfter(int weekday, long long steps) {
    return static_cast<int>(floorMod(weekday - 1 + steps, 7)) + 1;
}

// The value of a number written as the walks write theirs: decimal digits,
// no sign, no blank, no leading zero. Anything else can never equal a walk's
// text. Values above `cap` come back as `cap`.
std::optional<int> plainNumber(std::string_view text, int cap) {
    if (text.empty() || (text.size() > 1 && text.front() == '0')) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min(cap, value * 10 + (c - '0'));
    }
    return value;
}

bool standsBetweenSpaces(std::string_view text, std::string_view name) {
    for (auto at = text.find(name, 1); at != std::string_view::npos; at = text.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if (text[at - 1] == ' ' && end < text.size() && text[end] == ' ') {
            return true;
        }
    }
    return false;
}

} // namespace

int weekdayNumber(std::string_view name) {
    const auto* it = std::find(kWeekdayNames.begin(), kWeekdayNames.end(), name);
    return it == kWeekdayNames.end() ? 0 : static_cast<int>(it - kWeekdayNames.begin()) + 1;
}

namespace {

// Every month name has its own sum of its second and third letters (taken
// mod 32), so a name is looked up with one compare: the whole-folder checks
// read a month of every wrestler.
constexpr std::size_t monthSlot(std::string_view name) {
    return (static_cast<unsigned char>(name[1]) + static_cast<unsigned char>(name[2])) % 32U;
}

constexpr auto kMonthBySlot = [] {
    std::array<int, 32> slots{};
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        slots[monthSlot(kMonthNames[i])] = static_cast<int>(i) + 1;
    }
    return slots;
}();

static_assert([] {
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        if (kMonthBySlot[monthSlot(kMonthNames[i])] != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}());

} // namespace

int monthNumber(std::string_view name) {
    if (name.size() < 3) {
        return 0;
    }
    const int number = kMonthBySlot[monthSlot(name)];
    return number != 0 && kMonthNames[static_cast<std::size_t>(number - 1)] == name ? number : 0;
}

std::string_view weekdayName(int number) {
    return number >= 1 && number <= 7 ? kWeekdayNames[static_cast<std::size_t>(number - 1)]
                                      : std::string_view{};
}

std::string_view monthName(int number) {
    return number >= 1 && number <= 12 ? kMonthNames[static_cast<std::size_t>(number - 1)]
                                       : std::string_view{};
}

bool isLeapYear(int year) {
    return year % 4 == 0;
}

int monthLength(int month, int year) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return month >= 1 && month <= 12 ? 31 : 0;
    }
}

bool isRealDate(int day, int month, int year) {
    return day >= 1 && day <= monthLength(month, year);
}

Date nextDay(Date d) {
    if (const int weekday = weekdayNumber(d.weekday); weekday != 0) {
        d.weekday = weekdayName(weekday % 7 + 1);
    }
    if (d.day < monthLength(d.month, d.year)) {
        ++d.day;
        return d;
    }
    d.day = 1;
    if (d.month < 12) {
        ++d.month;
    } else {
        d.month = 1;
        if (d.year < INT_MAX) {
            ++d.year;
        }
    }
    return d;
}

std::string ordinalSuffix(int day) {
    int lastTwo = day % 100;
    if (lastTwo < 0) {
        lastTwo = -lastTwo;
    }
    if (lastTwo >= 11 && lastTwo <= 13) {
        return "th";
    }
    switch (lastTwo % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

std::string gameDateText(std::string_view weekday, int day, int month, int year) {
    std::string text(weekday);
    text += ' ';
    text += std::to_string(day);
    text += ordinalSuffix(day);
    text += ' ';
    text += monthName(month);
    text += ' ';
    text += std::to_string(year);
    return text;
}

std::optional<SplitDate> splitGameDate(std::string_view text) {
    std::string_view weekday;
    for (const std::string_view name : kWeekdayNames) {
        if (text.size() > name.size() && text.starts_with(name) && text[name.size()] == ' ') {
            weekday = name;
            break;
        }
    }
    if (weekday.empty()) {
        return std::nullopt;
    }

    int month = 0;
    for (int number = 1; number <= 12 && month == 0; ++number) {
        if (standsBetweenSpaces(text, monthName(number))) {
            month = number;
        }
    }
    if (month == 0) {
        return std::nullopt;
    }

    const std::size_t nameLength = monthName(month).size();
    const std::size_t front = weekday.size() + 1;
    // " 2004", the month name with its space, and the two suffix letters.
    const std::size_t back = 5 + (nameLength + 1) + 2;
    if (text.size() < front + back) {
        return std::nullopt;
    }
    return SplitDate{std::string(weekday),
                     std::string(text.substr(front, text.size() - front - back)), month,
                     static_cast<int>(nameLength), std::string(text.substr(text.size() - 4))};
}

bool isValidStartDate(std::string_view weekday, std::string_view day, std::string_view month,
                      std::string_view year) {
    const int weekdayNo = weekdayNumber(weekday);
    const int monthNo = monthNumber(month);
    const auto dayNo = plainNumber(day, kDayCap);
    const auto yearNo = plainNumber(year, kYearCap);
    if (weekdayNo == 0 || monthNo == 0 || !dayNo || !yearNo || *yearNo < kFirstStartYear ||
        *yearNo > kLastStartYear || !isRealDate(*dayNo, monthNo, *yearNo)) {
        return false;
    }
    return weekdayAt(daySerial(*dayNo, monthNo, *yearNo)) == weekdayNo;
}

bool inNextBigShowWindow(std::string_view startWeekday, std::string_view startDay,
                         std::string_view startMonth, std::string_view startYear,
                         std::string_view gameDate) {
    const auto split = splitGameDate(gameDate);
    const int startMonthNo = monthNumber(startMonth);
    const auto startDayNo = plainNumber(startDay, kDayCap);
    const auto startYearNo = plainNumber(startYear, kYearCap);
    if (!split || startMonthNo == 0 || !startDayNo || !startYearNo) {
        return false;
    }

    // Step 0 is the start date exactly as written, real or not.
    if (split->weekday == startWeekday && split->day == startDay && split->month == startMonthNo &&
        split->year == startYear) {
        return true;
    }

    // From step 1 on the walk is on real dates, written plainly.
    const int startWeekdayNo = weekdayNumber(startWeekday);
    const auto dayNo = plainNumber(split->day, kDayCap);
    const auto yearNo = plainNumber(split->year, kYearCap);
    if (startWeekdayNo == 0 || !dayNo || !yearNo || !isRealDate(*dayNo, split->month, *yearNo)) {
        return false;
    }
    // The day that step 1 follows: for day 0 the day before the 1st, for a day past
    // the month's end its last day.
    const long long stepZero = daySerial(1, startMonthNo, *startYearNo) - 1 +
                               std::min(*startDayNo, monthLength(startMonthNo, *startYearNo));
    const long long steps = daySerial(*dayNo, split->month, *yearNo) - stepZero;
    return steps >= 1 && steps < kBigShowWindowDays &&
           weekdayAfter(startWeekdayNo, steps) == weekdayNumber(split->weekday);
}

std::optional<long> calculatorDays(const Date& first, const Date& second) {
    const int firstWeekday = weekdayNumber(first.weekday);
    if (firstWeekday == 0 || !isRealDate(first.day, first.month, first.year)) {
        return std::nullopt;
    }
    if (first == second) {
        return 0;
    }
    const int secondWeekday = weekdayNumber(second.weekday);
    if (secondWeekday == 0 || !isRealDate(second.day, second.month, second.year)) {
        return std::nullopt;
    }
    const long long start = daySerial(first.day, first.month, first.year);
    const long long steps = daySerial(second.day, second.month, second.year) - start;
    // The walk still compares 1 January 2100 before it stops there; from a first
    // date in 2100 or later it stops at once.
    const long long limit = daySerial(1, 1, kCalculatorLimitYear) - start;
    if (steps < 1 || steps > limit || weekdayAfter(firstWeekday, steps) != secondWeekday ||
        steps > std::numeric_limits<long>::max()) {
        return std::nullopt;
    }
    return static_cast<long>(steps);
}

} // namespace bm::calendar
