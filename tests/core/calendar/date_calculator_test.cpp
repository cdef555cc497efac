#include "core/calendar/date_calculator.h"

#include "support/recording_navigator.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace bm::calendar {
namespace {

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

class DateCalculatorTest : public testing::Test {
protected:
    WatchedDialogs dialogs;
    test::RecordingNavigator navigator;
    DateCalculator calculator{dialogs, navigator};

    static std::string calculate(DateCalculator& calc, const Dates& won, const Dates& start) {
        for (std::size_t i = 0; i < won.size(); ++i) {
            calc.choose(Row::TitleWon, static_cast<Part>(i), won[i]);
            calc.choose(Row::GameStart, static_cast<Part>(i), start[i]);
        }
        calc.calculate();
        return calc.result();
    }
};

TEST_F(DateCalculatorTest, CountsTheDaysFromTheFirstDateToTheSecond) {
    calculator.choose(Row::TitleWon, Part::Year, "2011"); // not an entry: ignored
    EXPECT_EQ(calculator.chosen(Row::TitleWon, Part::Year), "");

    const Dates newYear{"Thursday", "1", "January", "2004"};
    EXPECT_EQ(calculate(calculator, newYear, {"Saturday", "1", "January", "2005"}),
              "Number Of Days Between The Dates: 366");
    // The first and last entries of the lists.
    EXPECT_EQ(calculate(calculator, {"Wednesday", "1", "January", "2003"},
                        {"Friday", "31", "December", "2010"}),
              "Number Of Days Between The Dates: 2921");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.busyCount(), 2);
    EXPECT_FALSE(dialogs.busyNow());

    // An error clears the earlier count.
    EXPECT_EQ(calculate(calculator, newYear, {"Wednesday", "31", "December", "2003"}), "");
}

TEST_F(DateCalculatorTest, EveryInvalidCaseGivesTheSameCriticalBoxAndNoResult) {
    const Dates start{"Thursday", "1", "January", "2004"};
    const struct {
        const char* name;
        Dates won, start;
    } cases[] = {
        {"first weekday unchosen", {"", "1", "January", "2004"}, start},
        {"second day unchosen", start, {"Thursday", "", "January", "2004"}},
        {"second before the first", {"Friday", "2", "January", "2004"}, start},
    };
    for (const auto& c : cases) {
        DateCalculator calc{dialogs, navigator};
        dialogs.clear();
        EXPECT_EQ(calculate(calc, c.won, c.start), "") << c.name;
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.name;
        EXPECT_EQ(dialogs.shown()[0].text, "Invalid Date Error\r\n\r\nOne or both of your dates "
                                           "are not valid. Please check and re-enter.");
        EXPECT_EQ(dialogs.shown()[0].title, "Date Calculator");
        EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
    }
    EXPECT_FALSE(dialogs.busyDuringMessage) << "the pointer is normal again for the box";
    EXPECT_FALSE(dialogs.busyNow());
}

} // namespace
} // namespace bm::calendar
