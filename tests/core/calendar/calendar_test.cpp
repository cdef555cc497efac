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
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>

namespace bm::calendar {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

// The answers come from chrono's calendar. The game leaps every fourth year,
// as chrono's calendar does from 1901 to 2099, and such a calendar repeats
// every 28 years, weekdays included: a game year is looked up 28 years back.
constexpr int kBack = 28;

Date on(sys_days s) {
    const std::chrono::year_month_day ymd{s};
    return {std::string(kWeekdayNames[std::chrono::weekday{s}.iso_encoding() - 1]),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(ymd.year()) + kBack};
}

sys_days on(int day, int month, int year) {
    return std::chrono::year{year - kBack} / month / day;
}

TEST(Calendar, SplitsGameDatesAsTheGameReadsThem) {
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
    // The window's ends on a sound start are pinned by the date check's tests.
    using Start = std::array<std::string, 4>; // weekday, day, month, year
    const Start august{"Wednesday", "18", "August", "2004"};
    const Start wrongDay{"Saturday", "18", "August", "2004"}; // a Wednesday
    const struct {
        Start start;
        const char* date;
        bool in;
    } cases[] = {
        {august, "Wednesday 18xx August 2004", true}, // the suffix letters are not read
        {august, "Wednesday 018th August 2004", false},
        {august, "Wednesday 18th  August 2004", false},
        {august, "Wednesday 18th August 2004 ", false},
        {august, "Friday 26th November 2004", true}, // step 100
        {august, "Thursday 26th November 2004", false},
        {wrongDay, "Saturday 18th August 2004", true}, // as written
        {wrongDay, "Monday 26th November 2004", true}, // its weekday carried along
        {wrongDay, "Friday 26th November 2004", false},
        {{"Friday", "28", "February", "2003"}, "Saturday 1st March 2003", true},
        {{"Friday", "28", "February", "2003"}, "Saturday 29th February 2003", false},
        {{"Sunday", "29", "February", "2004"}, "Monday 1st March 2004", true},
        {{"Thursday", "31", "December", "2099"}, "Friday 1st January 2100", true},
        {{"Friday", "31", "April", "2004"}, "Friday 31st April 2004", true},
        {{"Friday", "31", "April", "2004"}, "Saturday 1st May 2004", true},
        {{"Monday", "10000000000000", "July", "2004"}, "Tuesday 1st August 2004", true},
        {{"Saturday", "0", "May", "2004"}, "Sunday 1st May 2004", true},
        {{"Saturday", "0", "May", "2004"}, "Saturday 30th April 2004", false},
        {{"Funday", "18", "August", "2004"}, "Thursday 19th August 2004", false},
        {{"Wednesday", "018", "August", "2004"}, "Wednesday 018th August 2004", false},
        {{"Wednesday", "018", "August", "2004"}, "Thursday 19th August 2004", false},
        {{"Wednesday", "18", "Augus", "2004"}, "Thursday 19th August 2004", false},
    };
    for (const auto& [start, date, in] : cases) {
        EXPECT_EQ(inNextBigShowWindow(start[0], start[1], start[2], start[3], date), in)
            << start[0] << " " << start[1] << " " << start[2] << " / " << date;
    }
}

TEST(DateCalculator, CountsTheStepsOfAWalkThatStopsOnReaching2100) {
    const Date lastOf2099{"Wednesday", 30, 12, 2099};
    const Date in2100{"Friday", 1, 1, 2100};
    const struct {
        Date first, second;
        std::optional<long> steps;
    } cases[] = {
        {{"Wednesday", 1, 1, 2003}, {"Thursday", 31, 12, 2099}, 35428},
        {{"Sunday", 29, 2, 2004}, {"Monday", 1, 3, 2004}, 1},
        {{"Saturday", 1, 1, 2004}, {"Monday", 3, 1, 2004}, 2}, // a wrong weekday walks on
        {{"Thursday", 1, 1, 2004}, {"Thursday", 1, 1, 2004}, 0},
        {{"Thursday", 1, 1, 2004}, {"Wednesday", 31, 12, 2003}, std::nullopt},
        {{"Thursday", 1, 1, 2004}, {"Friday", 1, 1, 2004}, std::nullopt},
        {{"Thursday", 1, 1, 2004}, {"Sunday", 31, 4, 2004}, std::nullopt},
        {{"Thursday", 1, 1, 2004}, {"Friday", 0, 1, 2004}, std::nullopt},
        {{"Thursday", 1, 1, 2004}, {"Saturday", 1, 13, 2004}, std::nullopt}, // as 1 January 2005
        {{"Funday", 1, 1, 2004}, {"Funday", 1, 1, 2004}, std::nullopt},
        {{"Thursday", 31, 4, 2004}, {"Saturday", 1, 5, 2004}, std::nullopt},
        {lastOf2099, in2100, 2}, // 1 January 2100 is met before the walk stops
        {lastOf2099, {"Saturday", 2, 1, 2100}, std::nullopt},
        {in2100, in2100, 0},
        {in2100, {"Saturday", 2, 1, 2100}, std::nullopt},
        // Far from any list's years, still no overflow.
        {{"Monday", 1, 1, INT_MIN}, {"Tuesday", 2, 1, INT_MIN}, 1},
        {{"Monday", 1, 1, INT_MIN}, {"Monday", 1, 1, INT_MAX}, std::nullopt},
        {{"Monday", 31, 12, INT_MAX}, {"Monday", 31, 12, INT_MAX}, 0},
    };
    for (const auto& [first, second, steps] : cases) {
        EXPECT_EQ(calculatorDays(first, second), steps)
            << first.weekday << first.day << first.month << first.year << " -> " << second.weekday
            << second.day << second.month << second.year;
    }
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
    EXPECT_EQ(dialogs.busyCount(), 4); // and off again: the dialogs check that when they go
    EXPECT_FALSE(dialogs.busyDuringMessage) << "the pointer is normal again for the box";
}

} // namespace
} // namespace bm::calendar
