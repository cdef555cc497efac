// Each date question at its slowest, answered by arithmetic and, beside it, by
// the plain day walk that the game runs, so one run shows the speed-up.

#include "core/calendar/calendar.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace bm::calendar;

// The start date walk: always all 101 years, from Sunday 1 January 1950.
bool walkIsValidStartDate(std::string_view weekday, std::string_view day, std::string_view month,
                          std::string_view year) {
    const int weekdayNo = weekdayNumber(weekday);
    const int monthNo = monthNumber(month);
    bool valid = false;
    Date walk{"Sunday", 1, 1, 1950};
    for (int walkWeekday = 7; walk.year != 2051; walkWeekday = walkWeekday % 7 + 1) {
        if (std::to_string(walk.day) == day && walk.month == monthNo && walkWeekday == weekdayNo &&
            std::to_string(walk.year) == year) {
            valid = true;
        }
        walk = nextDay(walk);
    }
    return valid;
}

// The window walk from a plainly written start date.
bool walkInWindow(std::string_view weekday, std::string_view day, std::string_view month,
                  std::string_view year, std::string_view gameDate) {
    const auto split = splitGameDate(gameDate);
    if (!split) {
        return false;
    }
    Date walk{std::string(weekday), std::stoi(std::string(day)), monthNumber(month),
              std::stoi(std::string(year))};
    for (int step = 0; step < kBigShowWindowDays; ++step) {
        if (walk.weekday == split->weekday && std::to_string(walk.day) == split->day &&
            walk.month == split->month && std::to_string(walk.year) == split->year) {
            return true;
        }
        walk = nextDay(walk);
    }
    return false;
}

// The calculator walk, which runs to 2100 when the second date is never met.
std::optional<long> walkCalculatorDays(const Date& first, const Date& second) {
    if (weekdayNumber(first.weekday) == 0 || !isRealDate(first.day, first.month, first.year)) {
        return std::nullopt;
    }
    Date walk = first;
    for (long count = 0;; ++count) {
        if (walk == second) {
            return count;
        }
        if (walk.year == kCalculatorLimitYear) {
            return std::nullopt;
        }
        walk = nextDay(walk);
    }
}

// The walk's time does not depend on the date; the last valid one is checked.
std::string startWeekday = "Saturday", startDay = "31", startMonth = "December", startYear = "2050";

void startDateWalk(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            walkIsValidStartDate(startWeekday, startDay, startMonth, startYear));
    }
}
BENCHMARK(startDateWalk);

void startDateArithmetic(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(isValidStartDate(startWeekday, startDay, startMonth, startYear));
    }
}
BENCHMARK(startDateArithmetic);

// 360 days after the start: the walk compares all 360 steps and misses.
std::string windowStart[] = {"Wednesday", "18", "August", "2004"};
std::string outsideWindow = "Saturday 13th August 2005";

void windowWalk(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(walkInWindow(windowStart[0], windowStart[1], windowStart[2],
                                              windowStart[3], outsideWindow));
    }
}
BENCHMARK(windowWalk);

void windowArithmetic(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(inNextBigShowWindow(windowStart[0], windowStart[1], windowStart[2],
                                                     windowStart[3], outsideWindow));
    }
}
BENCHMARK(windowArithmetic);

// The earliest listed first date and a second date before it: the walk runs to 2100.
Date calculatorFirst{"Wednesday", 1, 1, 2003};
Date calculatorSecond{"Tuesday", 31, 12, 2002};

void calculatorWalk(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(walkCalculatorDays(calculatorFirst, calculatorSecond));
    }
}
BENCHMARK(calculatorWalk);

void calculatorArithmetic(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculatorDays(calculatorFirst, calculatorSecond));
    }
}
BENCHMARK(calculatorArithmetic);

} // namespace
