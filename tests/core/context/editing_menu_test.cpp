#include "support/editor_fixture.h"

namespace bm::context {
namespace {

using ui::Screen;

class EditingMenuTest : public test::EditorTest {
protected:
    EditingMenu& menu = editor.menu;
};

// A report hides "Back To Menu" and the scenario info button until its OK;
// a hidden or disabled button does nothing, whatever the view does.
TEST_F(EditingMenuTest, ButtonsActOnlyWhenEnabledAndVisible) {
    std::vector<MenuButton> pressed;
    for (int i = 0; i < kMenuButtonCount; ++i) {
        const auto b = static_cast<MenuButton>(i);
        menu.setAction(b, [&pressed, b] { pressed.push_back(b); });
    }
    editor.context.enter(ContextKind::Scenario, "\\Scenarios\\Old\\");
    menu.showReport("Results Of The Date Check", "line 1\r\nline 2");
    menu.showReport("Results Of The Scenario Check", "replaced");
    EXPECT_TRUE(menu.reporting());
    EXPECT_EQ(menu.reportHeading(), "Results Of The Scenario Check");
    EXPECT_EQ(menu.reportText(), "replaced");
    EXPECT_FALSE(menu.backToMenuVisible());
    EXPECT_FALSE(menu.isVisible(MenuButton::ScenarioInfo));
    EXPECT_TRUE(menu.isVisible(MenuButton::CheckScenario));
    menu.press(MenuButton::ScenarioInfo);
    menu.press(MenuButton::CheckDates); // other checks stay reachable
    menu.backToMenu();
    EXPECT_NE(navigator.current(), Screen::Start);

    menu.closeReport();
    EXPECT_FALSE(menu.reporting());
    EXPECT_TRUE(menu.backToMenuVisible());
    EXPECT_TRUE(menu.isVisible(MenuButton::ScenarioInfo));
    menu.press(MenuButton::ScenarioInfo);

    editor.context.enter(ContextKind::SavedGame, "\\Game\\");
    menu.showReport("h", "t");
    menu.closeReport(); // shows the info button again, but does not enable it
    for (const auto b : {MenuButton::Venues, MenuButton::ScenarioInfo, MenuButton::Wrestlers}) {
        menu.press(b);
    }
    EXPECT_EQ(pressed, (std::vector<MenuButton>{MenuButton::CheckDates, MenuButton::ScenarioInfo,
                                                MenuButton::Wrestlers}));
}

} // namespace
} // namespace bm::context
