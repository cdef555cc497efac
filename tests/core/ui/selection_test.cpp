#include "core/ui/selection.h"

#include <gtest/gtest.h>

#include <array>

namespace bm::ui {
namespace {

TEST(Selection, ExactlyOneCaptionIsWhiteAndTheOthersSilver) {
    static constexpr std::array<std::string_view, 4> kShows{"Primary Show 1", "Primary Show 2",
                                                            "Secondary Show 1", "Secondary Show 2"};
    Selection shows(kShows);
    // Out-of-range positions are refused and leave the selection as it was.
    const std::pair<int, int> cases[] = {{-1, 0}, {2, 2}, {4, 2}, {3, 3}, {0, 0}};
    for (const auto& [chosen, selected] : cases) {
        EXPECT_EQ(shows.select(chosen), chosen == selected) << chosen;
        EXPECT_EQ(shows.selected(), selected) << chosen;
        for (int i = 0; i < shows.size(); ++i) {
            EXPECT_EQ(shows.isSelected(i), i == selected);
            EXPECT_EQ(shows.colour(i), i == selected ? 0xFFFFFFu : 0xC0C0C0u) << chosen << i;
        }
    }
}

} // namespace
} // namespace bm::ui
