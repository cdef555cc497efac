#include "gui/gui_fixture.h"

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

    void SetUp() override {
        game.makeFolder("Scenarios/Alpha");
        game.makeFolder("Scenarios/Beta");
        game.write("Scenarios/Beta/maindata.bm1", "x");
        game.write("Scenarios/Beta/venues.txt", "x");
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(start.isVisible());
    }
    static QString captions(std::initializer_list<QAbstractButton*> buttons) {
        QStringList texts;
        for (auto* b : buttons) {
            texts << b->text();
        }
        return texts.join('|');
    }
};

TEST_F(StartAndMenuViewTest, StartScreenWiring) {
    EXPECT_EQ(start.windowTitle(), QStringLiteral("Brawlmark 1.3 Official Editor"));
    EXPECT_EQ(
        captions({start.newGameButton, start.scenarioButton, start.createScenarioButton,
                  start.savedGameButton, start.exitButton, start.okButton, start.cancelButton}),
        QStringLiteral("Edit Data For New Games|Edit a Scenario|Create a Scenario|Edit a "
                       "Saved Game|Exit|OK|Cancel"));
    EXPECT_FALSE(start.list->isVisible());
    screenshot(&start, "start_screen");

    click(start.scenarioButton);
    EXPECT_FALSE(start.newGameButton->isVisible());
    ASSERT_TRUE(start.list->isVisible());
    EXPECT_EQ(start.listHeading->text(), QStringLiteral("Choose a Scenario to Edit"));
    EXPECT_EQ(accessibleName(start.list), QStringLiteral("Choose a Scenario to Edit"));
    ASSERT_EQ(start.list->count(), 2);
    screenshot(&start, "start_screen_choosing");
    click(start.cancelButton);
    EXPECT_TRUE(start.newGameButton->isVisible());

    click(start.scenarioButton);
    const QRect second = start.list->visualItemRect(start.list->item(1));
    QTest::mouseClick(start.list->viewport(), Qt::LeftButton, {}, second.center());
    click(start.okButton);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(start.isVisible());
    EXPECT_EQ(app.editor().context.folder(), "\\Scenarios\\Beta\\");

    // The keyboard alone; closing the start screen's window is "Exit".
    click(menu.backButton);
    start.newGameButton->setFocus();
    QTest::keyClick(start.newGameButton, Qt::Key_Return);
    ASSERT_TRUE(menu.isVisible());
    click(menu.backButton);
    start.close();
    EXPECT_TRUE(app.navigator().quitting());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartAndMenuViewTest, EditingMenuWiring) {
    click(start.newGameButton);
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.heading->text(), QStringLiteral("Currently Editing: New Game Data"));
    std::vector<QAbstractButton*> buttons;
    for (int i = 0; i < context::kMenuButtonCount; ++i) {
        const auto b = static_cast<MenuButton>(i);
        buttons.push_back(menu.button(b));
        EXPECT_EQ(menu.button(b)->isEnabled(), app.editor().menu.isEnabled(b)) << i;
    }
    EXPECT_FALSE(menu.button(MenuButton::ScenarioInfo)->isEnabled());
    EXPECT_EQ(captions({buttons[0], buttons[1], buttons[2], buttons[3], buttons[4], buttons[5],
                        buttons[6], menu.backButton, menu.reportOkButton}),
              QStringLiteral("Edit The Promotions Files|Edit The Wrestlers File|Edit The Start "
                             "Date|Edit The Venues|Check All Dates|Check Scenario|Edit The "
                             "Scenario Info File|Back To Menu|OK"));
    EXPECT_FALSE(menu.reportText->isVisible());
    screenshot(&menu, "editing_menu");

    // A view destroyed before its model is not redrawn.
    auto extra = std::make_unique<EditingMenuView>(app.editor().menu);
    extra.reset();
    app.editor().menu.showReport("Results Of The Date Check", "first\r\nsecond");
    EXPECT_TRUE(menu.reportText->isVisible());
    EXPECT_EQ(menu.reportText->toPlainText(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(accessibleName(menu.reportText), QStringLiteral("Results Of The Date Check"));
    EXPECT_FALSE(menu.backButton->isVisible());
    EXPECT_FALSE(menu.button(MenuButton::ScenarioInfo)->isVisible());
    screenshot(&menu, "editing_menu_report");
    click(menu.reportOkButton);
    EXPECT_FALSE(menu.reportText->isVisible());
    EXPECT_TRUE(menu.backButton->isVisible());
}

} // namespace
} // namespace bm::gui
