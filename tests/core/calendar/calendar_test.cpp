#include "core/calendar/calendar.h"
#include "core/calendar/date_calculator.h"
#include "core/calendar/date_choices.h"
#include "support/recording_navigator.h"
#include "support/scripted_dialogs.h"

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

// The game answers every date question by walking one day at a time; the
// walks below transcribe those loops on nextDay, and the arithmetic must agree.

std::string key(std::string_view weekday, std::string_view day, int month, std::string_view year) {
    return std::string(weekday) + '|' + std::string(day) + '|' + std::to_string(month) + '|' +
           std::string(year);
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

const Date& dateAt(std::ptrdiff_t index) {
    return allDates()[static_cast<std::size_t>(index)];
}

std::ptrdiff_t indexOf(int day, int month, int year) {
    const auto it = std::find_if(allDates().begin(), allDates().end(), [&](const Date& d) {
        return d.day == day && d.month == month && d.year == year;
    });
    EXPECT_NE(it, allDates().end());
    return it - allDates().begin();
}

struct StartTexts {
    std::string weekday, day, month, year;
};

// Start date check: from Sunday 1 January 1950 until the year reaches 2051; a
// date is valid when the walk meets its exact texts.
bool walkIsValidStartDate(const StartTexts& s) {
    static const auto met = [] {
        std::unordered_set<std::string> keys;
        int weekday = 6;
        for (Date d{"", 1, 1, 1950}; d.year != 2051; d = nextDay(d), weekday = (weekday + 1) % 7) {
            keys.insert(key(kWeekdayNames[static_cast<std::size_t>(weekday)], std::to_string(d.day),
                            d.month, std::to_string(d.year)));
        }
        return keys;
    }();
    const auto month = std::find(kMonthNames.begin(), kMonthNames.end(), s.month);
    return met.contains(
        key(s.weekday, s.day, static_cast<int>(month - kMonthNames.begin()) + 1, s.year));
}

bool isPlainDecimal(std::string_view text) {
    return !text.empty() && (text.size() == 1 || text.front() != '0') &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Next big show window: the 360 dates of the walk from the start as written.
std::unordered_set<std::string> walkWindow(const StartTexts& s) {
    std::unordered_set<std::string> keys;
    const int month = monthNumber(s.month);
    if (month == 0 || !isPlainDecimal(s.day) || !isPlainDecimal(s.year)) {
        return keys;
    }
    keys.insert(key(s.weekday, s.day, month, s.year));
    const auto value = [](const std::string& t) { return t.size() > 9 ? INT_MAX : std::stoi(t); };
    Date walk{s.weekday, value(s.day), month, value(s.year)};
    for (int step = 1; step < 360; ++step) {
        walk = nextDay(walk);
        keys.insert(key(walk));
    }
    return keys;
}

// Date calculator: the step at which the walk from `first` meets each date, up
// to the stop in 2100 (or any later year: from there the game's walk never
// ends). Days and months compared lie within 0..63 and 0..15.
long long packed(const Date& d) {
    return ((d.year * 16LL + d.month) * 64 + d.day) * 8 + weekdayNumber(d.weekday);
}

std::unordered_map<long long, long> walkCalculator(const Date& first) {
    std::unordered_map<long long, long> steps;
    if (weekdayNumber(first.weekday) == 0 || !isRealDate(first.day, first.month, first.year)) {
        return steps;
    }
    Date walk = first;
    for (long count = 0;; ++count, walk = nextDay(walk)) {
        steps.emplace(packed(walk), count);
        if (walk.year >= 2100) {
            return steps;
        }
    }
}

TEST(Calendar, StepsOneDayAndWritesAndSplitsGameDates) {
    const std::pair<Date, Date> steps[] = {
        {{"Sunday", 28, 2, 2100}, {"Monday", 29, 2, 2100}}, // centuries leap too
        {{"Friday", 31, 4, 2004}, {"Saturday", 1, 5, 2004}},
        {{"Friday", INT_MAX, 6, 2004}, {"Saturday", 1, 7, 2004}},
        {{"Friday", 31, 12, INT_MAX}, {"Saturday", 1, 1, INT_MAX}},
        {{"sunday", 31, 12, 2004}, {"sunday", 1, 1, 2005}}, // no name: never meets a real date
    };
    for (const auto& [from, to] : steps) {
        EXPECT_EQ(nextDay(from), to) << key(from);
    }
    std::string suffixes;
    for (const int day : {1, 2, 3, 11, 12, 13, 21, 22, 23, 31, 112}) {
        suffixes += ordinalSuffix(day) + " ";
    }
    EXPECT_EQ(suffixes, "st nd rd th th th st nd rd st th ");
    EXPECT_EQ(gameDateText("Wednesday", 18, 8, 2004), "Wednesday 18th August 2004");
    EXPECT_FALSE(splitGameDate(gameDateText("Friday", 3, 13, 1999))) << "no month, no date";
    // The suffix letters are not read, odd parts come back as they stand, and
    // the first month in calendar order wins.
    const std::pair<std::string_view, std::optional<SplitDate>> splits[] = {
        {"Monday 1xx May 2004", SplitDate{"Monday", "1", 5, 3, "2004"}},
        {"Monday  1st  August 2004", SplitDate{"Monday", " 1s", 8, 6, "2004"}},
        {"Monday 1st May March 2004", SplitDate{"Monday", "1st M", 3, 5, "2004"}},
        {"Monday 1 May 2004", std::nullopt},
        {"Mondays 1st May 2004", std::nullopt},
        {"Monday 1st May2004", std::nullopt},
    };
    for (const auto& [text, split] : splits) {
        EXPECT_EQ(splitGameDate(text), split) << text;
    }
    for (const Date& d : allDates()) {
        EXPECT_EQ(splitGameDate(gameDateText(d.weekday, d.day, d.month, d.year)),
                  (SplitDate{d.weekday, std::to_string(d.day), d.month,
                             static_cast<int>(monthName(d.month).size()), std::to_string(d.year)}));
    }
}

TEST(StartDate, AgreesWithTheWalkOnEveryDateAndOddText) {
    auto weekdays = weekdayChoices();
    auto months = monthChoices();
    auto days = dayChoices();
    auto years = yearChoices(1949, 2051);
    const auto compare = [&] {
        int valid = 0;
        for (const auto& year : years) {
            for (const auto& month : months) {
                for (const auto& day : days) {
                    for (const auto& weekday : weekdays) {
                        const bool expected = walkIsValidStartDate({weekday, day, month, year});
                        EXPECT_EQ(isValidStartDate(weekday, day, month, year), expected)
                            << weekday << " " << day << " " << month << " " << year;
                        valid += expected ? 1 : 0;
                    }
                }
            }
        }
        return valid;
    };
    EXPECT_EQ(compare(), 36890) << "the walk meets each day of 1950 to 2050 once";

    weekdays.insert(weekdays.end(), {"monday", "Sunday "});
    months.insert(months.end(), {"august", "8"});
    days = {"1", "29", "31", "0", "32", "018", " 1", "", "99", "4294967297"};
    years = {"1950", "2004", "2050", "01950", "2004 ", "", "20040", "18446744073709553954"};
    compare();
}

TEST(BigShowWindow, AgreesWithTheWalkAroundManyStarts) {
    // Real starts (the last with a wrong weekday), then no real date; each with
    // a date from which its window lies.
    const struct {
        StartTexts s;
        std::array<int, 3> from;
        bool real;
    } starts[] = {
        {{"Friday", "28", "February", "2003"}, {28, 2, 2003}, true},
        {{"Sunday", "29", "February", "2004"}, {29, 2, 2004}, true},
        {{"Thursday", "31", "December", "2099"}, {31, 12, 2099}, true},
        {{"Saturday", "18", "August", "2004"}, {18, 8, 2004}, true},
        {{"Friday", "31", "April", "2004"}, {1, 5, 2004}, false},
        {{"Monday", "10000000000000", "July", "2004"}, {1, 8, 2004}, false},
        {{"Saturday", "0", "May", "2004"}, {1, 5, 2004}, false},
        {{"Funday", "18", "August", "2004"}, {18, 8, 2004}, false},
        {{"Wednesday", "018", "August", "2004"}, {18, 8, 2004}, false},
        {{"Wednesday", "18", "Augus", "2004"}, {18, 8, 2004}, false},
    };
    for (const auto& [s, from, real] : starts) {
        const auto window = walkWindow(s);
        const auto near = indexOf(from[0], from[1], from[2]);
        std::unordered_set<std::string> texts;
        for (const auto& weekday : kWeekdayNames) {
            // The start as written, and near misses of it.
            for (const auto& day :
                 {s.day + "th ", s.day + "xx ", "0" + s.day + "th ", s.day + "th  "}) {
                const std::string text = std::string(weekday) + " " + day + s.month + " ";
                texts.insert({text + s.year, text + s.year + " "});
            }
            for (auto i = near - 40; i <= near + 400; ++i) {
                texts.insert(gameDateText(weekday, dateAt(i).day, dateAt(i).month, dateAt(i).year));
            }
        }
        std::unordered_set<std::string> met;
        for (const auto& text : texts) {
            const auto split = splitGameDate(text);
            const bool expected = split && window.contains(key(split->weekday, split->day,
                                                               split->month, split->year));
            EXPECT_EQ(inNextBigShowWindow(s.weekday, s.day, s.month, s.year, text), expected)
                << s.weekday << " " << s.day << " " << s.month << " " << s.year << " / " << text;
            if (expected) {
                met.insert(key(split->weekday, split->day, split->month, split->year));
            }
        }
        // Guards the comparison: from a real date the texts hold all 360 walk dates.
        EXPECT_TRUE(!real || met.size() == 360) << s.day << " " << s.month << " " << s.year;
    }
}

TEST(DateCalculator, AgreesWithTheWalk) {
    // A list's first year, a leap day, the stop in 2100 from either side, then
    // refused: wrong weekday, no weekday name, 31 April.
    const Date firsts[] = {{"Wednesday", 1, 1, 2003},   {"Sunday", 29, 2, 2004},
                           {"Wednesday", 30, 12, 2099}, {"Friday", 1, 1, 2100},
                           {"Sunday", 1, 1, 2101},      {"Saturday", 1, 1, 2004},
                           {"Funday", 1, 1, 2004},      {"Thursday", 31, 4, 2004}};

    // Never met, then every date around the lists' years, true weekday or not.
    std::vector<Date> seconds = {
        {"Thursday", 0, 1, 2004}, {"Thursday", 1, 13, 2004}, {"Funday", 2, 1, 2004}};
    for (auto i = indexOf(1, 12, 2002), last = indexOf(31, 1, 2102); i <= last; ++i) {
        seconds.push_back(dateAt(i));
        Date wrong = dateAt(i);
        wrong.weekday = weekdayName(weekdayNumber(wrong.weekday) % 7 + 1);
        seconds.push_back(wrong);
    }

    for (const auto& first : firsts) {
        const auto walk = walkCalculator(first);
        for (const auto& second : seconds) {
            const auto it = walk.find(packed(second));
            EXPECT_EQ(calculatorDays(first, second),
                      it == walk.end() ? std::nullopt : std::optional<long>(it->second))
                << key(first) << " -> " << key(second);
        }
    }
    // Far from any list's years, still no overflow.
    EXPECT_EQ(calculatorDays({"Monday", 1, 1, INT_MIN}, {"Tuesday", 2, 1, INT_MIN}), 1);
    EXPECT_EQ(calculatorDays({"Monday", 1, 1, INT_MIN}, {"Monday", 1, 1, INT_MAX}), std::nullopt);
    EXPECT_EQ(calculatorDays({"Monday", 31, 12, INT_MAX}, {"Monday", 31, 12, INT_MAX}), 0);
}

using Row = DateCalculator::Row;
using Part = DateCalculator::Part;
using Dates = std::array<const char*, 4>; // weekday, day, month, year; "" leaves a list unchosen

// Also notes whether the busy pointer was still on when a box appeared.
class WatchedDialogs : public test::ScriptedDialogs {
public:
    bool busyDuringMessage = false;
    void message(std::string_view text, ui::Icon icon, std::string_view title) override {
        busyDuringMessage = busyDuringMessage || busyNow();
        ScriptedDialogs::message(text, icon, title);
    }
};

TEST(DateCalculatorScreen, CountsTheDaysOrGivesOneCriticalBoxAndNoResult) {
    const Dates newYear{"Thursday", "1", "January", "2004"};
    const struct {
        Dates won, start;
        const char* result; // "" for the error box
        bool again = false; // on the calculator of the row before, not a new one
    } cases[] = {
        {newYear, {"Saturday", "1", "January", "2005"}, "Number Of Days Between The Dates: 366"},
        {{"Wednesday", "1", "January", "2003"}, // the lists' first and last entries
         {"Friday", "31", "December", "2010"},
         "Number Of Days Between The Dates: 2921"},
        {newYear, {"Wednesday", "31", "December", "2003"}, "", true}, // and clears the count
        {{"", "1", "January", "2004"}, newYear, ""},
        {newYear, {"Thursday", "", "January", "2004"}, ""},
    };
    WatchedDialogs dialogs;
    test::RecordingNavigator navigator;
    std::optional<DateCalculator> calc;
    for (const auto& c : cases) {
        if (!c.again) {
            calc.emplace(dialogs, navigator);
        }
        dialogs.clear();
        for (std::size_t i = 0; i < c.won.size(); ++i) {
            calc->choose(Row::TitleWon, static_cast<Part>(i), c.won[i]);
            calc->choose(Row::GameStart, static_cast<Part>(i), c.start[i]);
        }
        calc->calculate();
        EXPECT_EQ(calc->result(), c.result) << c.won[0] << c.start[1];
        ASSERT_EQ(dialogs.shown().size(), *c.result ? 0u : 1u);
        if (!*c.result) {
            EXPECT_EQ(dialogs.shown()[0].text, "Invalid Date Error\r\n\r\nOne or both of your "
                                               "dates are not valid. Please check and re-enter.");
            EXPECT_EQ(dialogs.shown()[0].title, "Date Calculator");
            EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
        }
    }
    calc->choose(Row::TitleWon, Part::Year, "2011"); // not an entry: ignored
    EXPECT_EQ(calc->chosen(Row::TitleWon, Part::Year), "2004");
    EXPECT_EQ(dialogs.busyCount(), 5);
    EXPECT_FALSE(dialogs.busyNow());
    EXPECT_FALSE(dialogs.busyDuringMessage) << "the pointer is normal again for the box";
}

} // namespace
} // namespace bm::calendar
