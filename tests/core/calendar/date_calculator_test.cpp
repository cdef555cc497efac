#include "core/calendar/date_calculator.h"

#include "support/recording_navigator.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace bm::calendar {
namespace {

using Row = DateCalculator::Row;
using Part = DateCalculator::Part;
using Dates = std::array<const char*, 4>; // weekday, day, month, year; "" leaves a list unchosen

constexpr const char* kError = "Invalid Date Error\r\n\r\nOne or both of your dates are not valid. "
                               "Please check and re-enter.";

// Also notes whether the busy pointer was still on when a box appeared.
class WatchedDialogs : public test::ScriptedDialogs {
public:
    bool busyDuringMessage = false;
    void message(std::string_view text, ui::Icon icon, std::string_view title) override {
        busyDuringMessage = busyDuringMessage || busyNow();
        ScriptedDialogs::message(text, icon, title);
    }
};

class DateCalculatorTest : public testing::Test {
protected:
    WatchedDialogs dialogs;
    test::RecordingNavigator navigator;
    DateCalculator calculator{dialogs, navigator};

    static void enter(DateCalculator& calc, const Dates& won, const Dates& start) {
        for (int i = 0; i < DateCalculator::kParts; ++i) {
            calc.choose(Row::TitleWon, static_cast<Part>(i), won[static_cast<std::size_t>(i)]);
            calc.choose(Row::GameStart, static_cast<Part>(i), start[static_cast<std::size_t>(i)]);
        }
    }
    std::string calculate(const Dates& won, const Dates& start) {
        enter(calculator, won, start);
        calculator.calculate();
        return calculator.result();
    }
};

TEST_F(DateCalculatorTest, CountsTheDaysFromTheFirstDateToTheSecond) {
    const struct {
        Dates won, start;
        const char* result;
    } cases[] = {
        {{"Thursday", "1", "January", "2004"},
         {"Thursday", "1", "January", "2004"},
         "Number Of Days Between The Dates: 0"},
        {{"Thursday", "1", "January", "2004"},
         {"Friday", "2", "January", "2004"},
         "Number Of Days Between The Dates: 1"},
        {{"Thursday", "1", "January", "2004"},
         {"Saturday", "1", "January", "2005"},
         "Number Of Days Between The Dates: 366"},
        {{"Wednesday", "1", "January", "2003"},
         {"Friday", "31", "December", "2010"},
         "Number Of Days Between The Dates: 2921"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calculate(c.won, c.start), c.result);
    }
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.busyCount(), 4);
    EXPECT_FALSE(dialogs.busyNow());
}

TEST_F(DateCalculatorTest, EveryInvalidCaseGivesTheSameCriticalBoxAndNoResult) {
    const Dates start{"Thursday", "1", "January", "2004"};
    const struct {
        const char* name;
        Dates won, start;
    } cases[] = {
        {"first weekday unchosen", {"", "1", "January", "2004"}, start},
        {"first year unchosen", {"Thursday", "1", "January", ""}, start},
        {"second day unchosen", start, {"Thursday", "", "January", "2004"}},
        {"31 April", {"Friday", "31", "April", "2004"}, start},
        {"30 February", {"Monday", "30", "February", "2004"}, start},
        {"29 February of 2003", {"Saturday", "29", "February", "2003"}, start},
        {"wrong weekday in the first date only",
         {"Friday", "1", "January", "2004"},
         {"Friday", "2", "January", "2004"}},
        {"second before the first", {"Friday", "2", "January", "2004"}, start},
        {"wrong weekday in the second date",
         {"Thursday", "1", "January", "2004"},
         {"Saturday", "2", "January", "2004"}},
    };
    for (const auto& c : cases) {
        DateCalculator calc{dialogs, navigator}; // "" needs lists never chosen
        enter(calc, c.won, c.start);
        dialogs.clear();
        calc.calculate();
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.name;
        EXPECT_EQ(dialogs.shown()[0].text, kError) << c.name;
        EXPECT_EQ(dialogs.shown()[0].title, "Date Calculator") << c.name;
        EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical) << c.name;
        EXPECT_EQ(calc.result(), "") << c.name;
    }
    EXPECT_FALSE(dialogs.busyDuringMessage) << "the pointer is normal again for the box";
    EXPECT_FALSE(dialogs.busyNow());
}

TEST_F(DateCalculatorTest, AnErrorClearsTheEarlierResult) {
    EXPECT_EQ(calculate({"Thursday", "1", "January", "2004"}, {"Friday", "2", "January", "2004"}),
              "Number Of Days Between The Dates: 1");
    calculator.choose(Row::GameStart, Part::Year, "2003");
    calculator.calculate();
    EXPECT_EQ(calculator.result(), "");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{kError});
}

TEST_F(DateCalculatorTest, ListsStartUnchosenAndTakeOnlyTheirOwnEntries) {
    calculator.choose(Row::TitleWon, Part::Year, "2011");
    calculator.choose(Row::TitleWon, Part::Day, "01");
    calculator.choose(Row::GameStart, Part::Weekday, "Sunday");
    EXPECT_EQ(calculator.chosen(Row::TitleWon, Part::Year), "");
    EXPECT_EQ(calculator.chosen(Row::TitleWon, Part::Day), "");
    EXPECT_EQ(calculator.chosen(Row::TitleWon, Part::Weekday), "");
    EXPECT_EQ(calculator.chosen(Row::GameStart, Part::Weekday), "Sunday");
}

TEST_F(DateCalculatorTest, OpensBesideTheCurrentScreenWithoutReplacingIt) {
    navigator.go(ui::Screen::Step6);
    calculator.open();
    EXPECT_EQ(navigator.current(), ui::Screen::Step6);
    EXPECT_TRUE(navigator.isVisible(ui::Screen::Step6));
    EXPECT_TRUE(navigator.isVisible(ui::Screen::DateCalculator));
    calculator.close();
    EXPECT_FALSE(navigator.isVisible(ui::Screen::DateCalculator));
    EXPECT_TRUE(navigator.isVisible(ui::Screen::Step6));
}

} // namespace
} // namespace bm::calendar
