#include "core/calendar/date_calculator.h"

#include "support/recording_navigator.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
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
