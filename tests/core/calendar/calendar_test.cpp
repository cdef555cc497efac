#include "core/calendar/calendar.h"
#include "core/calendar/date_calculator.h"
#include "core/calendar/date_choices.h"
#include "support/recording_navigator.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <climits>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace bm::calendar {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

// The answers come from chrono's calendar. The game leaps every fourth year,
// as chrono's calendar does from 1901 to 2099, and such a calendar repeats
// every 28 years, weekdays included: a game year is looked up 28 years back.
constexpr int kBack = 28;

std::chrono::year_month_day chronoDate(int day, int month, int year) {
    return std::chrono::year{year - kBack} / month / day;
}

Date on(sys_days s) {
    const std::chrono::year_month_day ymd{s};
    return {std::string(kWeekdayNames[std::chrono::weekday{s}.iso_encoding() - 1]),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(ymd.year()) + kBack};
}

sys_days on(int day, int month, int year) {
    return chronoDate(day, month, year);
}

// The weekday a walk that began on `weekday` has after `steps` days.
std::string after(std::string_view weekday, long steps) {
    return std::string(
        kWeekdayNames[static_cast<std::size_t>(weekdayNumber(weekday) - 1 + steps) % 7]);
}

TEST(Calendar, StepsOneDayAndWritesAndSplitsGameDates) {
    const std::pair<Date, Date> steps[] = {
        {{"Friday", 31, 4, 2004}, {"Saturday", 1, 5, 2004}},
        {{"Friday", INT_MAX, 6, 2004}, {"Saturday", 1, 7, 2004}},
        {{"Friday", 31, 12, INT_MAX}, {"Saturday", 1, 1, INT_MAX}},
        {{"sunday", 31, 12, 2004}, {"sunday", 1, 1, 2005}}, // no name: never meets a real date
    };
    for (const auto& [from, to] : steps) {
        EXPECT_EQ(nextDay(from), to) << from.day << from.month << from.year;
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
    for (sys_days s = on(1, 1, 1948); s <= on(31, 12, 2102); s += days{1}) {
        const Date d = on(s);
        EXPECT_EQ(nextDay(d), on(s + days{1})) << d.day << d.month << d.year;
        EXPECT_EQ(splitGameDate(gameDateText(d.weekday, d.day, d.month, d.year)),
                  (SplitDate{d.weekday, std::to_string(d.day), d.month,
                             static_cast<int>(monthName(d.month).size()), std::to_string(d.year)}));
    }
}

TEST(StartDate, IsValidExactlyForTheTextsOfARealDateFrom1950To2050) {
    std::set<std::array<std::string, 4>> real;
    for (sys_days s = on(1, 1, 1950); s <= on(31, 12, 2050); s += days{1}) {
        const Date d = on(s);
        real.insert({d.weekday, std::to_string(d.day), std::string(monthName(d.month)),
                     std::to_string(d.year)});
    }
    auto weekdays = weekdayChoices();
    auto months = monthChoices();
    auto numbers = dayChoices();
    auto years = yearChoices(1949, 2051);
    const auto compare = [&] {
        for (const auto& year : years) {
            for (const auto& month : months) {
                for (const auto& day : numbers) {
                    for (const auto& weekday : weekdays) {
                        EXPECT_EQ(isValidStartDate(weekday, day, month, year),
                                  real.contains({weekday, day, month, year}))
                            << weekday << " " << day << " " << month << " " << year;
                    }
                }
            }
        }
    };
    compare();
    weekdays.insert(weekdays.end(), {"monday", "Sunday "});
    months.insert(months.end(), {"august", "8"});
    numbers = {"1", "29", "31", "0", "32", "018", " 1", "", "99", "4294967297"};
    years = {"1950", "2004", "2050", "01950", "2004 ", "", "20040", "18446744073709553954"};
    compare();
}

TEST(BigShowWindow, HoldsTheStartAsWrittenAndTheNext359DaysOfItsWalk) {
    // The day after the start, from which the walk carries the start's weekday,
    // right or wrong; none when nothing is in the window.
    const struct {
        std::array<std::string, 4> start; // weekday, day, month, year
        std::optional<std::array<int, 3>> next;
    } starts[] = {
        {{"Friday", "28", "February", "2003"}, {{1, 3, 2003}}},
        {{"Sunday", "29", "February", "2004"}, {{1, 3, 2004}}},
        {{"Thursday", "31", "December", "2099"}, {{1, 1, 2100}}},
        {{"Saturday", "18", "August", "2004"}, {{19, 8, 2004}}}, // a Wednesday
        {{"Friday", "31", "April", "2004"}, {{1, 5, 2004}}},
        {{"Monday", "10000000000000", "July", "2004"}, {{1, 8, 2004}}},
        {{"Saturday", "0", "May", "2004"}, {{1, 5, 2004}}},
        {{"Funday", "18", "August", "2004"}, std::nullopt},
        {{"Wednesday", "018", "August", "2004"}, std::nullopt},
        {{"Wednesday", "18", "Augus", "2004"}, std::nullopt},
    };
    using Key = std::tuple<std::string, std::string, int, std::string>;
    for (const auto& [start, next] : starts) {
        const auto& [weekday, day, month, year] = start;
        std::set<Key> window;
        const sys_days first = next ? on((*next)[0], (*next)[1], (*next)[2]) : on(18, 8, 2004);
        if (next) {
            window.emplace(weekday, day, monthNumber(month), year);
            for (int step = 1; step < 360; ++step) {
                const Date d = on(first + days{step - 1});
                window.emplace(after(weekday, step), std::to_string(d.day), d.month,
                               std::to_string(d.year));
            }
        }
        // The start as written, near misses of it, and the dates around.
        std::set<std::string> texts;
        for (const auto& name : kWeekdayNames) {
            for (const auto& d : {day + "th ", day + "xx ", "0" + day + "th ", day + "th  "}) {
                const std::string text = std::string(name) + " " + d + month + " ";
                texts.insert({text + year, text + year + " "});
            }
            for (int i = -40; i <= 400; ++i) {
                const Date d = on(first + days{i});
                texts.insert(gameDateText(name, d.day, d.month, d.year));
            }
        }
        std::set<Key> met;
        for (const auto& text : texts) {
            const auto split = splitGameDate(text);
            const bool expected =
                split && window.contains({split->weekday, split->day, split->month, split->year});
            EXPECT_EQ(inNextBigShowWindow(weekday, day, month, year, text), expected)
                << weekday << " " << day << " " << month << " " << year << " / " << text;
            if (expected) {
                met.insert({split->weekday, split->day, split->month, split->year});
            }
        }
        EXPECT_EQ(met, window) << "the texts reach the whole window of " << day << " " << month;
    }
}

TEST(DateCalculator, CountsTheStepsOfAWalkThatStopsOnReaching2100) {
    // A list's first year, a leap day, the stop in 2100 from either side, then
    // refused: wrong weekday, no weekday name, 31 April.
    const Date firsts[] = {{"Wednesday", 1, 1, 2003},   {"Sunday", 29, 2, 2004},
                           {"Wednesday", 30, 12, 2099}, {"Friday", 1, 1, 2100},
                           {"Sunday", 1, 1, 2101},      {"Saturday", 1, 1, 2004},
                           {"Funday", 1, 1, 2004},      {"Thursday", 31, 4, 2004}};
    // Never met, then every date around the lists' years, true weekday or not.
    std::vector<Date> seconds = {
        {"Thursday", 0, 1, 2004}, {"Thursday", 1, 13, 2004}, {"Funday", 2, 1, 2004}};
    for (sys_days s = on(1, 12, 2002); s <= on(31, 1, 2102); s += days{1}) {
        Date d = on(s);
        seconds.push_back(d);
        d.weekday = after(d.weekday, 1);
        seconds.push_back(d);
    }
    using Key = std::tuple<std::string, int, int, int>;
    for (const auto& first : firsts) {
        std::map<Key, long> walk;
        if (weekdayNumber(first.weekday) != 0 &&
            chronoDate(first.day, first.month, first.year).ok()) {
            for (long step = 0;; ++step) {
                const Date d = on(on(first.day, first.month, first.year) + days{step});
                walk.emplace(Key{after(first.weekday, step), d.day, d.month, d.year}, step);
                if (d.year >= 2100) {
                    break;
                }
            }
        }
        for (const auto& second : seconds) {
            const auto it = walk.find({second.weekday, second.day, second.month, second.year});
            EXPECT_EQ(calculatorDays(first, second),
                      it == walk.end() ? std::nullopt : std::optional<long>(it->second))
                << first.weekday << first.day << first.month << first.year << " -> "
                << second.weekday << second.day << second.month << second.year;
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
        ASSERT_EQ(dialogs.shown().size(), *c.result ? 0u : 1u) << c.won[0] << c.start[1];
    }
    const auto& box = dialogs.shown()[0]; // the last case's
    EXPECT_EQ(std::tuple(box.text, box.title, box.icon),
              std::tuple("Invalid Date Error\r\n\r\nOne or both of your dates are not valid. "
                         "Please check and re-enter.",
                         "Date Calculator", ui::Icon::Critical));
    calc->choose(Row::TitleWon, Part::Year, "2011"); // not an entry: ignored
    EXPECT_EQ(calc->chosen(Row::TitleWon, Part::Year), "2004");
    EXPECT_EQ(dialogs.busyCount(), 5); // and off again: the dialogs check that when they go
    EXPECT_FALSE(dialogs.busyDuringMessage) << "the pointer is normal again for the box";
}

} // namespace
} // namespace bm::calendar
