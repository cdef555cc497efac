#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_record.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace bm::gui {
namespace {

using context::MenuButton;

class StartAndMenuViewTest : public test::GuiTest {
protected:
    StartScreenView& start = app.view<StartScreenView>();
    EditingMenuView& menu = app.view<EditingMenuView>();

    // "Alpha" is empty; "Beta" has a promotion with a big show date and a
    // logo that the checks report.
    void SetUp() override {
        game.makeFolder("Scenarios/Alpha");
        game.writeLines("Scenarios/Beta/maindata.bm1",
                        {"a", "b", "Wednesday", "18", "August", "2004"});
        game.writeLines("Scenarios/Beta/venues.txt", {});
        game.write("Scenarios/Beta/wrestlers.bm1", "");
        auto record = promotion::makeTemplateRecord();
        record.set(promotion::line::promlogo, "harbor.jpg");
        record.set(promotion::line::nameofbigshow, "Dock Brawl");
        record.set(promotion::line::dateofshow, "Sunday 1st January 2006");
        game.writeLines("Scenarios/Beta/hnw.fed", record.lines());
        ASSERT_TRUE(app.start());
        click(start.scenarioButton);
    }
};

TEST_F(StartAndMenuViewTest, StartScreenWiring) {
    EXPECT_EQ(start.listHeading->text() + ": " + tabOrder(&start),
              QStringLiteral("Choose a Scenario to Edit: [Choose a Scenario to Edit]|OK|Cancel"));
    EXPECT_EQ(start.list->count(), 2);
    screenshot(&start, "start_screen_choosing");
    click(start.cancelButton);
    EXPECT_EQ(start.windowTitle() + ": " + tabOrder(&start),
              QStringLiteral("Brawlmark 1.3 Official Editor: Edit Data For New Games|Edit a "
                             "Scenario|Create a Scenario|Edit a Saved Game|Exit"));
    screenshot(&start, "start_screen");
    key(start.newGameButton, Qt::Key_Return);
    EXPECT_EQ(menu.heading->text(), QStringLiteral("Currently Editing: New Game Data"));
    EXPECT_FALSE(menu.button(MenuButton::ScenarioInfo)->isEnabled());
    click(menu.backButton);
    click(start.scenarioButton);
    clickRow(start.list, 1);
    click(start.okButton);
    EXPECT_TRUE(menu.isVisible() && !start.isVisible());
    EXPECT_EQ(app.editor().context.folder(), "\\Scenarios\\Beta\\");
    click(menu.backButton);
    start.close(); // the window frame is "Exit"
    EXPECT_TRUE(app.navigator().quitting());
}

TEST_F(StartAndMenuViewTest, EditingMenuWiringAndItsReports) {
    clickRow(start.list, 1);
    click(start.okButton);
    EXPECT_EQ(tabOrder(&menu), QStringLiteral("Edit The Promotions Files|Edit The Wrestlers "
                                              "File|Edit The Start Date|Edit The Venues|Check All "
                                              "Dates|Check Scenario|Edit The Scenario Info "
                                              "File|Back To Menu"));
    screenshot(&menu, "editing_menu");
    std::make_unique<EditingMenuView>(app.editor().menu).reset(); // gone before its model
    const struct {
        MenuButton button;
        QString heading;
        QString shows; // a line of the report
    } cases[] = {
        {MenuButton::CheckDates, "Results Of The Date Check",
         "* There is a problem with the date of the Next Big Show in the promotion file hnw.fed. "
         "*"},
        {MenuButton::CheckScenario, "Results Of The Scenario Check",
         "Image: ''harbor.jpg''..... ** MISSING **"},
    };
    for (const auto& c : cases) {
        const int busy = dialogs.busyCount();
        click(menu.button(c.button));
        EXPECT_EQ(dialogs.busyCount(), busy + 1) << "the busy pointer while the check runs";
        EXPECT_EQ(menu.reportHeading->text() + "|" + accessibleName(menu.reportText) + "|" +
                      tabOrder(&menu).section('|', -1),
                  c.heading + "|" + c.heading + "|OK");
        EXPECT_TRUE(menu.reportText->toPlainText().split('\n').contains(c.shows));
        screenshot(&menu, "editing_menu_report");
        click(menu.reportOkButton);
        EXPECT_FALSE(menu.reportText->isVisible());
        EXPECT_TRUE(menu.backButton->isVisible());
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
} // namespace bm::gui
