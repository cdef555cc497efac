#include "support/recording_navigator.h"

#include <gtest/gtest.h>

namespace bm::ui {
namespace {

std::string show(Screen s) {
    return "show " + std::to_string(static_cast<int>(s));
}
std::string hide(Screen s) {
    return "hide " + std::to_string(static_cast<int>(s));
}

TEST(Navigator, ShowsTheTargetFirstAndNeverLeavesNothingShown) {
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
