#include "gui/gui_fixture.h"

#include "core/ui/dialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace bm::gui {
namespace {

using context::MenuButton;

class StartAndMenuViewTest : public test::GuiTest {
protected:
    StartScreenView& start = app.view<StartScreenView>();
    EditingMenuView& menu = app.view<EditingMenuView>();
};

TEST_F(StartAndMenuViewTest, WindowsCarryTheProgramTitle) {
    EXPECT_EQ(start.windowTitle(), QStringLiteral("Brawlmark 1.3 Official Editor"));
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Brawlmark 1.3 Official Editor"));
}

TEST_F(StartAndMenuViewTest, AViewDestroyedBeforeItsModelIsNotRedrawn) {
    auto extra = std::make_unique<EditingMenuView>(app.editor().menu);
    extra.reset();
    app.editor().context.enter(context::ContextKind::SavedGame, "\\Game\\");
    EXPECT_EQ(menu.heading->text(), QStringLiteral("Currently Editing: Saved Game"));
}

TEST_F(StartAndMenuViewTest, ChoosingAScenarioLeadsToTheMenuAndBack) {
    game.makeFolder("Scenarios/Alpha");
    game.makeFolder("Scenarios/Beta");
    game.write("Scenarios/Beta/maindata.bm1", "x");
    game.write("Scenarios/Beta/venues.txt", "x");
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(start.isVisible());
    EXPECT_TRUE(start.newGameButton->isVisible());
    EXPECT_FALSE(start.list->isVisible());

    click(start.scenarioButton);
    EXPECT_FALSE(start.newGameButton->isVisible());
    ASSERT_TRUE(start.list->isVisible());
    EXPECT_EQ(start.listHeading->text(), QStringLiteral("Choose a Scenario to Edit"));
    EXPECT_EQ(accessibleName(start.list), QStringLiteral("Choose a Scenario to Edit"));
    ASSERT_EQ(start.list->count(), 2);
    screenshot(&start, "start_screen_choosing");

    const QRect second = start.list->visualItemRect(start.list->item(1));
    QTest::mouseClick(start.list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(app.editor().start.selected(), 1);
    click(start.okButton);

    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(start.isVisible());
    EXPECT_EQ(menu.heading->text(), QStringLiteral("Currently Editing: Scenario Data"));
    for (int i = 0; i < context::kMenuButtonCount; ++i) {
        EXPECT_TRUE(menu.button(static_cast<MenuButton>(i))->isEnabled()) << i;
    }
    screenshot(&menu, "editing_menu");

    click(menu.backButton);
    EXPECT_TRUE(start.isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(start.newGameButton->isVisible()) << "the start screen is back in its main state";
}

TEST_F(StartAndMenuViewTest, KeyboardAloneChoosesNewGameDataAndTheMenuShowsItsContext) {
    ASSERT_TRUE(app.start());
    screenshot(&start, "start_screen");
    start.newGameButton->setFocus();
    QTest::keyClick(start.newGameButton, Qt::Key_Return);
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.heading->text(), QStringLiteral("Currently Editing: New Game Data"));
    EXPECT_FALSE(menu.button(MenuButton::CheckScenario)->isEnabled());
    EXPECT_FALSE(menu.button(MenuButton::ScenarioInfo)->isEnabled());
    EXPECT_TRUE(menu.button(MenuButton::Promotions)->isEnabled());
    EXPECT_FALSE(menu.reportText->isVisible());
}

TEST_F(StartAndMenuViewTest, ReportAreaShowsAndHidesWithItsButtons) {
    ASSERT_TRUE(app.start());
    click(start.newGameButton);
    app.editor().menu.showReport("Results Of The Date Check", "first\r\nsecond");
    EXPECT_TRUE(menu.reportText->isVisible());
    EXPECT_EQ(menu.reportText->toPlainText(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(accessibleName(menu.reportText), QStringLiteral("Results Of The Date Check"));
    EXPECT_FALSE(menu.backButton->isVisible());
    EXPECT_FALSE(menu.button(MenuButton::ScenarioInfo)->isVisible());
    EXPECT_TRUE(menu.button(MenuButton::CheckDates)->isVisible());
    screenshot(&menu, "editing_menu_report");
    click(menu.reportOkButton);
    EXPECT_FALSE(menu.reportText->isVisible());
    EXPECT_TRUE(menu.backButton->isVisible());
    EXPECT_TRUE(menu.button(MenuButton::ScenarioInfo)->isVisible());
    EXPECT_FALSE(menu.button(MenuButton::ScenarioInfo)->isEnabled());
}

} // namespace
} // namespace bm::gui
