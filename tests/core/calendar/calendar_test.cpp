#include "core/calendar/calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace bm::calendar {
namespace {

// The game answers every date question by walking one day at a time. The
// walks below are plain transcriptions of those loops, built on nextDay only;
// the arithmetic answers must equal theirs everywhere.

std::string key(std::string_view weekday, std::string_view day, int month, std::string_view year) {
    std::string k(weekday);
    k += '|';
    k += day;
    k += '|';
    k += std::to_string(month);
    k += '|';
    k += year;
    return k;
}

std::string key(const Date& d) {
    return key(d.weekday, std::to_string(d.day), d.month, std::to_string(d.year));
}

// Every date from Thursday 1 January 1948 to the end of 2102.
const std::vector<Date>& allDates() {
    static const std::vector<Date> dates = [] {
        std::vector<Date> all;
        for (Date d{"Thursday", 1, 1, 1948}; d.year < 2103; d = nextDay(d)) {
            all.push_back(d);
        }
        return all;
    }();
    return dates;
}

std::ptrdiff_t indexOf(int day, int month, int year) {
    const auto& all = allDates();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Date& d) {
        return d.day == day && d.month == month && d.year == year;
    });
    EXPECT_NE(it, all.end());
    return it - all.begin();
}

std::string trueWeekday(int day, int month, int year) {
    return allDates()[static_cast<std::size_t>(indexOf(day, month, year))].weekday;
}

std::string shiftedWeekday(std::string_view weekday, int by) {
    return std::string(weekdayName((weekdayNumber(weekday) - 1 + by) % 7 + 1));
}

// Start date check: from Sunday 1 January 1950 (weekday number 7) until the
// year reaches 2051; a chosen date is valid when the walk meets it.
bool walkIsValidStartDate(std::string_view weekday, std::string_view day, std::string_view month,
                          std::string_view year) {
    static const auto met = [] {
        std::unordered_set<std::string> keys;
        Date walk{"Sunday", 1, 1, 1950};
        for (int weekdayNo = 7; walk.year != 2051; weekdayNo = weekdayNo % 7 + 1) {
            keys.insert(key(std::to_string(weekdayNo), std::to_string(walk.day), walk.month,
                            std::to_string(walk.year)));
            walk = nextDay(walk);
        }
        return keys;
    }();
    return met.contains(key(std::to_string(weekdayNumber(weekday)), day, monthNumber(month), year));
}

bool isPlainDecimal(std::string_view text) {
    return !text.empty() && (text.size() == 1 || text.front() != '0') &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int clampedValue(std::string_view text) {
    return text.size() > 9 ? INT_MAX : std::stoi(std::string(text));
}

struct StartTexts {
    std::string weekday;
    std::string day;
    std::string month;
    std::string year;
};

// Next big show window: the 360 dates the walk from the start date compares,
// step 0 being the start date as written. A start that cannot be walked (a
// month that is no name, a day or year that is not plain decimal) has none.
std::unordered_set<std::string> walkWindow(const StartTexts& start) {
    std::unordered_set<std::string> keys;
    const int month = monthNumber(start.month);
    if (month == 0 || !isPlainDecimal(start.day) || !isPlainDecimal(start.year)) {
        return keys;
    }
    keys.insert(key(start.weekday, start.day, month, start.year));
    Date walk{start.weekday, clampedValue(start.day), month, clampedValue(start.year)};
    for (int step = 1; step < 360; ++step) {
        walk = nextDay(walk);
        keys.insert(key(walk));
    }
    return keys;
}

bool walkInWindow(const std::unordered_set<std::string>& window, std::string_view gameDate) {
    const auto split = splitGameDate(gameDate);
    return split && window.contains(key(split->weekday, split->day, split->month, split->year));
}

// Date calculator: the step at which the walk from `first` meets each date,
// up to the stop in 2100. Empty when `first` is refused before walking. The
// game's loop stops when the year equals 2100; stopping at any later year too
// is the one liberty, since from there the game's walk would never end.
// Dates are packed into one number: every weekday the walk carries is a name,
// and the days and months compared here lie within 0..63 and 0..15.
long long packed(const Date& d) {
    return ((static_cast<long long>(d.year) * 16 + d.month) * 64 + d.day) * 8 +
           weekdayNumber(d.weekday);
}

std::unordered_map<long long, long> walkCalculator(const Date& first) {
    std::unordered_map<long long, long> steps;
    if (weekdayNumber(first.weekday) == 0 || first.day < 1 ||
        first.day > monthLength(first.month, first.year)) {
        return steps;
    }
    Date walk = first;
    for (long count = 0;; ++count) {
        steps.emplace(packed(walk), count);
        if (walk.year >= 2100) {
            break;
        }
        walk = nextDay(walk);
    }
    return steps;
}

std::optional<long> walkCalculatorDays(const std::unordered_map<long long, long>& steps,
                                       const Date& second) {
    const auto it = steps.find(packed(second));
    return it == steps.end() ? std::nullopt : std::optional<long>(it->second);
}

TEST(CalendarNames, AreMatchedExactlyAndCaseSensitively) {
    const struct {
        std::string_view text;
        int weekday;
        int month;
    } cases[] = {
        {"Monday", 1, 0},    {"Sunday", 7, 0},
        {"January", 0, 1},   {"December", 0, 12},
        {"monday", 0, 0},    {"Monday ", 0, 0},
        {" May", 0, 0},      {"Jan", 0, 0},
        {"", 0, 0},          {"MAY", 0, 0},
        {"Septembre", 0, 0}, {"Thursday", 4, 0},
        {"September", 0, 9}, {std::string_view("Mon\0day", 7), 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(weekdayNumber(c.text), c.weekday) << c.text;
        EXPECT_EQ(monthNumber(c.text), c.month) << c.text;
    }
    EXPECT_EQ(weekdayName(0), "");
    EXPECT_EQ(weekdayName(8), "");
    EXPECT_EQ(monthName(13), "");
    EXPECT_EQ(monthName(INT_MIN), "");
}

TEST(CalendarMonths, HaveTheirLengthsWithEveryFourthYearLeap) {
    const struct {
        int month;
        int year;
        int length;
    } cases[] = {
        {2, 2004, 29}, {2, 2000, 29}, {2, 1900, 29}, {2, 2100, 29},  {2, 2001, 28},
        {2, -4, 29},   {2, -1, 28},   {4, 2004, 30}, {11, 1950, 30}, {12, 2050, 31},
        {1, 1, 31},    {0, 2004, 0},  {13, 2004, 0}, {-1, 2004, 0},  {INT_MIN, INT_MIN, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(monthLength(c.month, c.year), c.length) << c.month << "/" << c.year;
    }
}

TEST(CalendarStep, MovesOneDayAndCarriesTheWeekday) {
    const struct {
        Date from;
        Date to;
    } cases[] = {
        {{"Monday", 18, 8, 2004}, {"Tuesday", 19, 8, 2004}},
        {{"Sunday", 31, 12, 2006}, {"Monday", 1, 1, 2007}},
        {{"Saturday", 28, 2, 2004}, {"Sunday", 29, 2, 2004}},
        {{"Sunday", 29, 2, 2004}, {"Monday", 1, 3, 2004}},
        {{"Monday", 28, 2, 2005}, {"Tuesday", 1, 3, 2005}},
        {{"Wednesday", 28, 2, 1900}, {"Thursday", 29, 2, 1900}},
        {{"Friday", 30, 4, 2004}, {"Saturday", 1, 5, 2004}},
        // Days the game never writes: past the month's end rolls over, low days count up.
        {{"Friday", 31, 4, 2004}, {"Saturday", 1, 5, 2004}},
        {{"Friday", 45, 2, 2004}, {"Saturday", 1, 3, 2004}},
        {{"Friday", 0, 6, 2004}, {"Saturday", 1, 6, 2004}},
        {{"Friday", -5, 6, 2004}, {"Saturday", -4, 6, 2004}},
        {{"Friday", INT_MAX, 6, 2004}, {"Saturday", 1, 7, 2004}},
        {{"Friday", 1, 13, 2004}, {"Saturday", 1, 1, 2005}},
        {{"Friday", 1, 0, 2004}, {"Saturday", 1, 1, 2004}},
        {{"Friday", INT_MIN, INT_MIN, 2004}, {"Saturday", INT_MIN + 1, INT_MIN, 2004}},
        {{"Friday", 31, 12, INT_MAX}, {"Saturday", 1, 1, INT_MAX}},
        // A weekday that is no name stays, so the date never meets a real one.
        {{"Funday", 18, 8, 2004}, {"Funday", 19, 8, 2004}},
        {{"", 31, 12, 2004}, {"", 1, 1, 2005}},
        {{"sunday", 1, 1, 2004}, {"sunday", 2, 1, 2004}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextDay(c.from), c.to) << key(c.from);
    }
}

TEST(CalendarText, WritesGameDates) {
    const struct {
        int day;
        std::string_view suffix;
    } suffixes[] = {
        {1, "st"},   {2, "nd"},   {3, "rd"},   {4, "th"},  {10, "th"},      {11, "th"},
        {12, "th"},  {13, "th"},  {14, "th"},  {21, "st"}, {22, "nd"},      {23, "rd"},
        {24, "th"},  {30, "th"},  {31, "st"},  {0, "th"},  {101, "st"},     {111, "th"},
        {112, "th"}, {113, "th"}, {122, "nd"}, {-1, "st"}, {INT_MIN, "th"}, {INT_MAX, "th"},
    };
    for (const auto& c : suffixes) {
        EXPECT_EQ(ordinalSuffix(c.day), c.suffix) << c.day;
    }

    EXPECT_EQ(gameDateText("Wednesday", 18, 8, 2004), "Wednesday 18th August 2004");
    EXPECT_EQ(gameDateText("Sunday", 1, 1, 2006), "Sunday 1st January 2006");
    EXPECT_EQ(gameDateText("Tuesday", 22, 11, 2005), "Tuesday 22nd November 2005");
    EXPECT_EQ(gameDateText("Friday", 3, 12, 1999), "Friday 3rd December 1999");
    EXPECT_EQ(gameDateText("Friday", 3, 13, 1999), "Friday 3rd  1999");
    EXPECT_FALSE(splitGameDate(gameDateText("Friday", 3, 13, 1999)));
}

TEST(CalendarSplit, TakesTheGameDateTextApart) {
    const struct {
        std::string_view text;
        std::optional<SplitDate> split;
    } cases[] = {
        {"Wednesday 18th August 2004", SplitDate{"Wednesday", "18", 8, 6, "2004"}},
        {"Sunday 1st January 2006", SplitDate{"Sunday", "1", 1, 7, "2006"}},
        {"Friday 31st April 2004", SplitDate{"Friday", "31", 4, 5, "2004"}},
        {"Monday 018th May 2004", SplitDate{"Monday", "018", 5, 3, "2004"}},
        // The suffix letters are not read, and odd parts come back as they stand.
        {"Monday 1xx May 2004", SplitDate{"Monday", "1", 5, 3, "2004"}},
        {"Monday  1st  August 2004", SplitDate{"Monday", " 1s", 8, 6, "2004"}},
        {"Monday xx May 2004", SplitDate{"Monday", "", 5, 3, "2004"}},
        {"Monday 1st May 04 x", SplitDate{"Monday", "1", 5, 3, "04 x"}},
        {"Monday 1st May May 2004", SplitDate{"Monday", "1st M", 5, 3, "2004"}},
        {"Monday 1st May March 2004", SplitDate{"Monday", "1st M", 3, 5, "2004"}},
        {"Monday 1st August 2004\xff", SplitDate{"Monday", "1s", 8, 6, "004\xff"}},
        // Nothing to split.
        {"", std::nullopt},
        {"Monday", std::nullopt},
        {"Monday ", std::nullopt},
        {"Monday 1st", std::nullopt},
        {"Monday May 2004", std::nullopt},
        {"Monday 1 May 2004", std::nullopt},
        {"Monday 1st August 04", std::nullopt},
        {"monday 1st May 2004", std::nullopt},
        {"Mondays 1st May 2004", std::nullopt},
        {" Monday 1st May 2004", std::nullopt},
        {"Monday 1st may 2004", std::nullopt},
        {"Monday 1st May2004", std::nullopt},
        {"Monday 1stMay 2004", std::nullopt},
        {"May 1st May 2004", std::nullopt},
        {"23/08/2004", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitGameDate(c.text), c.split) << c.text;
    }
}

TEST(CalendarSplit, GivesBackThePartsOfEveryWrittenDate) {
    for (const Date& d : allDates()) {
        const auto split = splitGameDate(gameDateText(d.weekday, d.day, d.month, d.year));
        ASSERT_TRUE(split) << key(d);
        EXPECT_EQ(*split,
                  (SplitDate{d.weekday, std::to_string(d.day), d.month,
                             static_cast<int>(monthName(d.month).size()), std::to_string(d.year)}));
    }
}

TEST(StartDate, AcceptsRealDatesWithTheirTrueWeekday) {
    const struct {
        StartTexts date;
        bool valid;
    } cases[] = {
        {{"Tuesday", "29", "February", "2000"}, true},
        {{"Sunday", "29", "February", "2004"}, true},
        {{"Thursday", "29", "February", "2001"}, false},
        {{"Friday", "30", "April", "2004"}, true},
        {{"Saturday", "31", "April", "2004"}, false},
        {{"Sunday", "1", "January", "1950"}, true},
        {{"Monday", "1", "January", "1950"}, false},
        {{"Saturday", "31", "December", "2050"}, true},
        {{"Sunday", "1", "January", "2051"}, false},
        {{"Saturday", "31", "December", "1949"}, false},
        {{"Wednesday", "18", "August", "2004"}, true},
        {{"Wednesday", "018", "August", "2004"}, false},
        {{"Wednesday", " 18", "August", "2004"}, false},
        {{"Wednesday", "18", "August", "02004"}, false},
        {{"Wednesday", "18", "August", "2004 "}, false},
        {{"Wednesday", "18", "august", "2004"}, false},
        {{"wednesday", "18", "August", "2004"}, false},
        {{"", "", "", ""}, false},
    };
    for (const auto& c : cases) {
        const auto& d = c.date;
        EXPECT_EQ(isValidStartDate(d.weekday, d.day, d.month, d.year), c.valid)
            << key(d.weekday, d.day, monthNumber(d.month), d.year);
    }
}

// Compares every combination of the given texts with the walk; returns how many were valid.
int compareStartDatesWithWalk(const std::vector<std::string>& weekdays,
                              const std::vector<std::string>& days,
                              const std::vector<std::string>& months,
                              const std::vector<std::string>& years) {
    int valid = 0;
    for (const auto& year : years) {
        for (const auto& month : months) {
            for (const auto& day : days) {
                for (const auto& weekday : weekdays) {
                    const bool expected = walkIsValidStartDate(weekday, day, month, year);
                    EXPECT_EQ(isValidStartDate(weekday, day, month, year), expected)
                        << weekday << " " << day << " " << month << " " << year;
                    valid += expected ? 1 : 0;
                }
            }
        }
    }
    return valid;
}

TEST(StartDate, AgreesWithTheWalkOnEveryDate) {
    const std::vector<std::string> weekdays(kWeekdayNames.begin(), kWeekdayNames.end());
    const std::vector<std::string> months(kMonthNames.begin(), kMonthNames.end());
    std::vector<std::string> days;
    for (int day = 1; day <= 31; ++day) {
        days.push_back(std::to_string(day));
    }
    std::vector<std::string> years;
    for (int year = 1949; year <= 2051; ++year) {
        years.push_back(std::to_string(year));
    }
    // The walk meets each of the 36,890 days once.
    EXPECT_EQ(compareStartDatesWithWalk(weekdays, days, months, years), 36890);

    auto oddWeekdays = weekdays;
    oddWeekdays.insert(oddWeekdays.end(), {"", "monday", "Funday", "Sunday "});
    auto oddMonths = months;
    oddMonths.insert(oddMonths.end(), {"", "august", "Augus", "8", "13"});
    const std::vector<std::string> oddDays = {"1",   "28",  "29", "30", "31",        "0",  "32",
                                              "018", "01",  " 1", "1 ", "",          "+1", "-1",
                                              "99",  "100", "1.", "1e", "4294967297"};
    const std::vector<std::string> oddYears = {
        "1950",  "2000",  "2004",  "2050", "01950",
        "195",   "2004 ", " 2004", "0",    "",
        "99999", "20040", "-2004", "2e3",  "18446744073709553954"};
    compareStartDatesWithWalk(oddWeekdays, oddDays, oddMonths, oddYears);
}

TEST(BigShowWindow, HoldsTheStartDateAndThe359DaysAfter) {
    const StartTexts start{"Wednesday", "18", "August", "2004"};
    const StartTexts lateApril{"Friday", "31", "April", "2004"};
    const StartTexts dayZero{"Saturday", "0", "May", "2004"};
    const struct {
        StartTexts start;
        std::string_view gameDate;
        bool inWindow;
    } cases[] = {
        {start, "Wednesday 18th August 2004", true},
        {start, "Thursday 19th August 2004", true},
        {start, "Friday 12th August 2005", true},    // 359 days on
        {start, "Saturday 13th August 2005", false}, // 360 days on
        {start, "Tuesday 17th August 2004", false},  // the day before
        {start, "Thursday 18th August 2004", false}, // wrong weekday
        {start, "Wednesday 18xx August 2004", true}, // suffix letters are not read
        {start, "Wednesday 018th August 2004", false},
        {start, "Wednesday 18th August 2004 ", false},
        {start, "Wednesday 18th  August 2004", false},
        {start, "18/08/2004", false},
        {start, "", false},
        // A wrong start weekday shifts the weekdays that the window accepts.
        {{"Monday", "18", "August", "2004"}, "Monday 18th August 2004", true},
        {{"Monday", "18", "August", "2004"}, "Tuesday 19th August 2004", true},
        {{"Monday", "18", "August", "2004"}, "Thursday 19th August 2004", false},
        // A start weekday that is no name is never met.
        {{"Funday", "18", "August", "2004"}, "Wednesday 18th August 2004", false},
        {{"Funday", "18", "August", "2004"}, "Thursday 19th August 2004", false},
        // 31 April is met as written, and then 1 May follows.
        {lateApril, "Friday 31st April 2004", true},
        {lateApril, "Saturday 1st May 2004", true},
        {lateApril, "Friday 30th April 2004", false},
        {lateApril, "Sunday 24th April 2005", true},
        {lateApril, "Monday 25th April 2005", false},
        {dayZero, "Saturday 0th May 2004", true},
        {dayZero, "Sunday 1st May 2004", true},
        {dayZero, "Friday 30th April 2004", false},
        // Start dates that cannot be walked.
        {{"Wednesday", "18", "august", "2004"}, "Wednesday 18th August 2004", false},
        {{"Wednesday", "018", "August", "2004"}, "Wednesday 018th August 2004", false},
        {{"Wednesday", "18", "August", "2004 "}, "Wednesday 18th August 2004", false},
        {{"Wednesday", "", "August", "2004"}, "Wednesday 18th August 2004", false},
    };
    for (const auto& c : cases) {
        const auto& s = c.start;
        EXPECT_EQ(inNextBigShowWindow(s.weekday, s.day, s.month, s.year, c.gameDate), c.inWindow)
            << key(s.weekday, s.day, monthNumber(s.month), s.year) << " / " << c.gameDate;
    }
}

TEST(BigShowWindow, AgreesWithTheWalkAroundManyStarts) {
    struct Start {
        StartTexts texts;
        std::ptrdiff_t near; // a date index near which the window lies
        bool real = false;
    };
    std::vector<Start> starts;
    const auto real = [&](int day, int month, int year, int weekdayShift = 0) {
        const std::string weekday = shiftedWeekday(trueWeekday(day, month, year), weekdayShift);
        starts.push_back(
            {{weekday, std::to_string(day), std::string(monthName(month)), std::to_string(year)},
             indexOf(day, month, year),
             true});
    };
    const auto odd = [&](StartTexts texts, int nearDay, int nearMonth, int nearYear) {
        starts.push_back({std::move(texts), indexOf(nearDay, nearMonth, nearYear)});
    };
    real(1, 1, 1950);
    real(18, 8, 2004);
    real(28, 2, 2004);
    real(29, 2, 2004);
    real(1, 3, 2004);
    real(28, 2, 2003);
    real(1, 3, 2003);
    real(29, 2, 2000);
    real(31, 12, 2003);
    real(31, 12, 2004);
    real(1, 1, 2005);
    real(8, 3, 2007);
    real(31, 12, 2050);
    real(31, 12, 2099);
    real(18, 8, 2004, 3);
    real(29, 2, 2008, 6);
    odd({"Friday", "31", "April", "2004"}, 1, 5, 2004);
    odd({"Monday", "30", "February", "2004"}, 1, 3, 2004);
    odd({"Monday", "29", "February", "2005"}, 1, 3, 2005);
    odd({"Monday", "32", "December", "2004"}, 1, 1, 2005);
    odd({"Monday", "99", "January", "2004"}, 1, 2, 2004);
    odd({"Monday", "100", "January", "2004"}, 1, 2, 2004);
    odd({"Monday", "10000000000000", "July", "2004"}, 1, 8, 2004);
    odd({"Saturday", "0", "May", "2004"}, 1, 5, 2004);
    odd({"Sunday", "0", "January", "2005"}, 1, 1, 2005);
    odd({"Funday", "18", "August", "2004"}, 18, 8, 2004);
    odd({"wednesday", "18", "August", "2004"}, 18, 8, 2004);
    odd({"", "18", "August", "2004"}, 18, 8, 2004);
    odd({"Wednesday", "18", "Augus", "2004"}, 18, 8, 2004);
    odd({"Wednesday", "018", "August", "2004"}, 18, 8, 2004);
    odd({"Wednesday", " 18", "August", "2004"}, 18, 8, 2004);
    odd({"Wednesday", "18", "August", "02004"}, 18, 8, 2004);
    odd({"Wednesday", "18", "August", "204"}, 18, 8, 2004);
    odd({"Wednesday", "18", "August", "20040"}, 18, 8, 2004);
    odd({"Wednesday", "18", "August", ""}, 18, 8, 2004);

    for (const auto& start : starts) {
        const auto& s = start.texts;
        const auto window = walkWindow(s);
        std::unordered_set<std::string> texts;
        for (const auto& weekday : kWeekdayNames) {
            texts.insert(std::string(weekday) + " " + s.day + "th " + s.month + " " + s.year);
            for (std::ptrdiff_t i = start.near - 40; i <= start.near + 400; ++i) {
                const Date& d = allDates()[static_cast<std::size_t>(i)];
                texts.insert(gameDateText(weekday, d.day, d.month, d.year));
            }
        }
        std::unordered_set<std::string> met;
        for (const auto& text : texts) {
            const bool expected = walkInWindow(window, text);
            EXPECT_EQ(inNextBigShowWindow(s.weekday, s.day, s.month, s.year, text), expected)
                << key(s.weekday, s.day, monthNumber(s.month), s.year) << " / " << text;
            if (expected) {
                const auto split = splitGameDate(text);
                met.insert(key(split->weekday, split->day, split->month, split->year));
            }
        }
        // Guards the comparison itself: from a real start the texts cover all 360 walk dates.
        if (start.real) {
            EXPECT_EQ(met.size(), 360u) << key(s.weekday, s.day, monthNumber(s.month), s.year);
        }
    }
}

TEST(DateCalculator, CountsDaysOrGivesTheError) {
    const Date newYear{"Thursday", 1, 1, 2004};
    const struct {
        Date first;
        Date second;
        std::optional<long> days;
    } cases[] = {
        {newYear, newYear, 0},
        {newYear, {"Friday", 2, 1, 2004}, 1},
        {newYear, {"Saturday", 1, 1, 2005}, 366},
        {{"Saturday", 1, 1, 2005}, {"Sunday", 1, 1, 2006}, 365},
        {newYear, {"Friday", 1, 1, 2100}, 35064},
        // Wrong weekday in one row only, or the second date first.
        {{"Monday", 1, 1, 2004}, {"Friday", 2, 1, 2004}, std::nullopt},
        {newYear, {"Thursday", 2, 1, 2004}, std::nullopt},
        {{"Friday", 2, 1, 2004}, newYear, std::nullopt},
        // A first date that is refused before walking, even when both rows agree.
        {{"", 1, 1, 2004}, {"", 1, 1, 2004}, std::nullopt},
        {{"Friday", 31, 4, 2004}, {"Friday", 31, 4, 2004}, std::nullopt},
        {{"Thursday", 29, 2, 2001}, {"Thursday", 29, 2, 2001}, std::nullopt},
        {{"Thursday", 0, 1, 2004}, {"Thursday", 0, 1, 2004}, std::nullopt},
        {{"Thursday", 1, 13, 2004}, {"Thursday", 1, 13, 2004}, std::nullopt},
        // A second date that is not real is never met.
        {newYear, {"Friday", 32, 1, 2004}, std::nullopt},
        {newYear, {"Saturday", 31, 4, 2004}, std::nullopt},
        // Around the stop in 2100.
        {{"Thursday", 31, 12, 2099}, {"Friday", 1, 1, 2100}, 1},
        {{"Thursday", 31, 12, 2099}, {"Saturday", 2, 1, 2100}, std::nullopt},
        {{"Friday", 1, 1, 2100}, {"Friday", 1, 1, 2100}, 0},
        {{"Friday", 1, 1, 2100}, {"Saturday", 2, 1, 2100}, std::nullopt},
        {{"Monday", 1, 1, 2101}, {"Tuesday", 2, 1, 2101}, std::nullopt},
        {{"Monday", 31, 12, INT_MAX}, {"Monday", 31, 12, INT_MAX}, 0},
        // Far from any list's years, still no overflow.
        {{"Monday", 1, 1, INT_MIN}, {"Tuesday", 2, 1, INT_MIN}, 1},
        {{"Monday", 1, 1, INT_MIN}, {"Monday", 1, 1, INT_MAX}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calculatorDays(c.first, c.second), c.days)
            << key(c.first) << " -> " << key(c.second);
    }
}

TEST(DateCalculator, AgreesWithTheWalk) {
    // Both ends of the year lists, a leap day, and the stop in 2100 from either side.
    const std::array<int, 3> realFirsts[] = {{1, 1, 2003},   {29, 2, 2004}, {31, 12, 2010},
                                             {30, 12, 2099}, {1, 1, 2100},  {1, 1, 2101}};
    std::vector<Date> firsts;
    for (const auto& [day, month, year] : realFirsts) {
        firsts.push_back({trueWeekday(day, month, year), day, month, year});
    }
    firsts.push_back({shiftedWeekday(trueWeekday(1, 1, 2004), 2), 1, 1, 2004});
    firsts.push_back({"Funday", 1, 1, 2004});
    firsts.push_back({"Thursday", 31, 4, 2004});

    std::vector<Date> seconds;
    const auto from = indexOf(1, 12, 2002);
    const auto to = indexOf(31, 1, 2102);
    for (auto i = from; i <= to; ++i) {
        const Date& d = allDates()[static_cast<std::size_t>(i)];
        seconds.push_back(d);
        seconds.push_back({shiftedWeekday(d.weekday, 1), d.day, d.month, d.year});
    }
    seconds.insert(seconds.end(), {{"Thursday", 0, 1, 2004},
                                   {"Thursday", 32, 1, 2004},
                                   {"Thursday", 1, 0, 2004},
                                   {"Thursday", 1, 13, 2004},
                                   {"Funday", 2, 1, 2004},
                                   {"Thursday", 31, 4, 2004}});

    for (const auto& first : firsts) {
        const auto walk = walkCalculator(first);
        for (const auto& second : seconds) {
            EXPECT_EQ(calculatorDays(first, second), walkCalculatorDays(walk, second))
                << key(first) << " -> " << key(second);
        }
    }
}

} // namespace
} // namespace bm::calendar
