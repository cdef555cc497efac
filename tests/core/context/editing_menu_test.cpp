#include "support/editor_fixture.h"

namespace bm::context {
namespace {

using ui::Screen;

class EditingMenuTest : public test::EditorTest {
protected:
    EditingMenu& menu = editor.menu;
};

TEST_F(EditingMenuTest, ReportHidesBackAndScenarioInfoUntilOk) {
    editor.context.enter(ContextKind::NewGameData, "\\Data\\");
    menu.showReport("Results Of The Date Check", "line 1\r\nline 2");
    EXPECT_TRUE(menu.reporting());
    EXPECT_EQ(menu.reportHeading(), "Results Of The Date Check");
    EXPECT_EQ(menu.reportText(), "line 1\r\nline 2");
    EXPECT_FALSE(menu.backToMenuVisible());
    EXPECT_FALSE(menu.isVisible(MenuButton::ScenarioInfo));
    for (auto b : {MenuButton::Promotions, MenuButton::CheckDates, MenuButton::CheckScenario}) {
        EXPECT_TRUE(menu.isVisible(b)) << "other checks stay reachable";
    }

    menu.backToMenu(); // hidden: cannot be pressed
    EXPECT_NE(navigator.current(), Screen::Start);

    menu.showReport("Results Of The Scenario Check", "replaced");
    EXPECT_EQ(menu.reportHeading(), "Results Of The Scenario Check");
    EXPECT_EQ(menu.reportText(), "replaced");

    menu.closeReport();
    EXPECT_FALSE(menu.reporting());
    EXPECT_TRUE(menu.backToMenuVisible());
    EXPECT_TRUE(menu.isVisible(MenuButton::ScenarioInfo));
    EXPECT_FALSE(menu.isEnabled(MenuButton::ScenarioInfo)) << "OK shows it but does not enable it";
}

TEST_F(EditingMenuTest, ButtonsRunTheirPluggedActionsOnlyWhenEnabledAndVisible) {
    std::vector<MenuButton> pressed;
    for (int i = 0; i < kMenuButtonCount; ++i) {
        const auto b = static_cast<MenuButton>(i);
        menu.setAction(b, [&pressed, b] { pressed.push_back(b); });
    }
    editor.context.enter(ContextKind::SavedGame, "\\Game\\");
    menu.press(MenuButton::Venues);
    menu.press(MenuButton::Wrestlers);
    menu.press(MenuButton::Promotions);
    menu.showReport("h", "t");
    menu.press(MenuButton::ScenarioInfo);
    menu.press(MenuButton::CheckDates);
    EXPECT_EQ(pressed, (std::vector<MenuButton>{MenuButton::Wrestlers, MenuButton::CheckDates}));
}

} // namespace
} // namespace bm::context
