#include "core/ui/bar.h"
#include "core/ui/model.h"
#include "core/ui/selection.h"
#include "support/recording_navigator.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace bm::ui {
namespace {

TEST(Bar, ShowsStoredValuesWithinTheRangeAndRefusesMovesOutsideIt) {
    const std::pair<const char*, int> shown[] = {
        {"37", 37}, {"150", 100}, {"-5", 0}, {"abc", 0}, {"12%", 12}, {"1e400", 100}, {"nan", 0},
    };
    Bar bar(0, 100);
    for (const auto& [stored, position] : shown) {
        bar.show(stored);
        EXPECT_EQ(bar.position(), position) << stored;
    }
    EXPECT_TRUE(bar.move(100));
    EXPECT_FALSE(bar.move(101));
    EXPECT_FALSE(bar.move(-1));
    EXPECT_EQ(bar.position(), 100);
}

TEST(Selection, ExactlyOneCaptionIsWhiteAndOutOfRangeChoicesAreRefused) {
    static constexpr std::array<std::string_view, 4> kShows{"Show 1", "Show 2", "Show 3", "Show 4"};
    Selection shows(kShows);
    const std::pair<int, int> chosenThenSelected[] = {{-1, 0}, {2, 2}, {4, 2}, {3, 3}, {0, 0}};
    for (const auto& [chosen, selected] : chosenThenSelected) {
        EXPECT_EQ(shows.select(chosen), chosen == selected) << chosen;
        for (int i = 0; i < shows.size(); ++i) {
            EXPECT_EQ(shows.colour(i), i == selected ? 0xFFFFFFu : 0xC0C0C0u) << chosen << i;
        }
    }
}

// A view that goes away while its model announces, or after the model.
TEST(Signal, ListenersHearUntilTheirSubscriptionEndsEvenMidEmit) {
    Signal<int> rowChanged;
    std::vector<int> heard;
    std::optional<Subscription> second;
    Subscription first = rowChanged.subscribe([&](int row) {
        heard.push_back(row);
        second.reset();
    });
    second.emplace(rowChanged.subscribe([&](int row) { heard.push_back(-row); }));
    rowChanged.emit(7);
    first.reset();
    rowChanged.emit(8);
    EXPECT_EQ(heard, std::vector<int>{7});

    Subscription token;
    {
        Signal<> gone;
        token = gone.subscribe([] {});
    }
    token.reset(); // must not touch the signal
}

TEST(Navigator, ShowsTheTargetFirstAndNeverLeavesNothingShown) {
    const auto show = [](Screen s) { return "show " + std::to_string(static_cast<int>(s)); };
    const auto hide = [](Screen s) { return "hide " + std::to_string(static_cast<int>(s)); };
    test::RecordingNavigator nav;
    nav.missing.insert(Screen::Step2);
    nav.go(Screen::Start);
    nav.go(Screen::EditingMenu);
    nav.go(Screen::Step2); // no such window yet: stay
    nav.open(Screen::ImagePicker);
    nav.close(Screen::ImagePicker);
    nav.go(Screen::EditingMenu); // already there: nothing hidden
    EXPECT_EQ(nav.log,
              (std::vector<std::string>{show(Screen::Start), show(Screen::EditingMenu),
                                        hide(Screen::Start), show(Screen::ImagePicker),
                                        hide(Screen::ImagePicker), show(Screen::EditingMenu)}));
    EXPECT_EQ(nav.current(), Screen::EditingMenu);
    EXPECT_EQ(nav.visible, (std::set<Screen>{Screen::EditingMenu}));
}

} // namespace
} // namespace bm::ui
