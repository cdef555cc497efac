#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_record.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <tuple>

namespace bm::gui {
namespace {

using context::MenuButton;
using context::ScenarioField;
using ContextViewsTest = test::GuiTest;

// "Alpha" is empty; the checks report Beta's big show date and missing logo.
TEST_F(ContextViewsTest, StartScreenAndEditingMenuWiring) {
    StartScreenView& start = app.view<StartScreenView>();
    EditingMenuView& menu = app.view<EditingMenuView>();
    game.makeFolder("Scenarios/Alpha");
    game.writeLines("Scenarios/Beta/maindata.bm1", {"a", "b", "Wednesday", "18", "August", "2004"});
    game.writeLines("Scenarios/Beta/venues.txt", {});
    game.write("Scenarios/Beta/wrestlers.bm1", "");
    auto record = promotion::makeTemplateRecord();
    record.set(promotion::line::promlogo, "harbor.jpg");
    record.set(promotion::line::nameofbigshow, "Dock Brawl");
    record.set(promotion::line::dateofshow, "Sunday 1st January 2006");
    game.writeLines("Scenarios/Beta/hnw.fed", record.lines());
    ASSERT_TRUE(app.start());
    EXPECT_EQ(start.windowTitle() + ": " + tabOrder(&start),
              QStringLiteral("Brawlmark 1.3 Official Editor: Edit Data For New Games|Edit a "
                             "Scenario|Create a Scenario|Edit a Saved Game|Exit"));
    screenshot(&start, "start_screen");
    key(start.newGameButton, Qt::Key_Return);
    EXPECT_EQ(menu.heading->text(), QStringLiteral("Currently Editing: New Game Data"));
    EXPECT_FALSE(menu.button(MenuButton::ScenarioInfo)->isEnabled());
    click(menu.backButton);
    click(start.scenarioButton);
    EXPECT_EQ(start.listHeading->text() + ": " + tabOrder(&start),
              QStringLiteral("Choose a Scenario to Edit: [Choose a Scenario to Edit]|OK|Cancel"));
    screenshot(&start, "start_screen_choosing");
    click(start.cancelButton);
    click(start.scenarioButton);
    clickRow(start.list, 1);
    click(start.okButton);
    EXPECT_EQ(app.editor().context.folder(), "\\Scenarios\\Beta\\");
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
    } checks[] = {
        {MenuButton::CheckDates, "Results Of The Date Check",
         "* There is a problem with the date of the Next Big Show in the promotion file hnw.fed. "
         "*"},
        {MenuButton::CheckScenario, "Results Of The Scenario Check",
         "Image: ''harbor.jpg''..... ** MISSING **"},
    };
    for (const auto& c : checks) {
        const int busy = dialogs.busyCount();
        click(menu.button(c.button));
        EXPECT_EQ(dialogs.busyCount(), busy + 1) << "the busy pointer while the check runs";
        EXPECT_EQ(menu.reportHeading->text() + "|" + tabOrder(&menu).section('|', -2),
                  c.heading + "|" + c.heading + "|OK");
        EXPECT_TRUE(menu.reportText->toPlainText().split('\n').contains(c.shows));
        screenshot(&menu, "editing_menu_report");
        click(menu.reportOkButton);
    }
    EXPECT_TRUE(dialogs.shown().empty());
    click(menu.backButton);
    start.close(); // the window frame is "Exit"
    EXPECT_TRUE(app.navigator().quitting());
}

// Created from the start screen, reopened from the scenario's menu.
TEST_F(ContextViewsTest, ScenarioInfoWiring) {
    ScenarioInfoView& view = app.view<ScenarioInfoView>();
    game.write("Data/maindata.bm1", "main\r\n");
    game.write("Data/venues.txt", "");
    ASSERT_TRUE(app.start());
    dialogs.reply("Tide Turn");
    click(app.view<StartScreenView>().createScenarioButton);
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(app.view<StartScreenView>().isVisible());
    EXPECT_EQ(view.heading->text() + "|" + view.hint->text() + "|" + tabOrder(&view),
              QStringLiteral("Scenario Information File|Click an item to edit|Title Of "
                             "Scenario|Scenario Description|Your Name|OK"));
    EXPECT_EQ(view.field(ScenarioField::scenarioname)->value(), QStringLiteral("Tide Turn"));
    EXPECT_EQ(view.focusWidget(), view.field(ScenarioField::scenarioname));
    screenshot(&view, "scenario_info");

    dialogs.reply("Storms \x93\xe9\x94");
    QTest::keyClick(view.field(ScenarioField::scenariodesc), Qt::Key_Return);
    click(view.okButton);
    ASSERT_TRUE(app.view<EditingMenuView>().isVisible());
    click(app.view<EditingMenuView>().button(context::MenuButton::ScenarioInfo));
    EXPECT_EQ(view.field(ScenarioField::scenariodesc)->value(),
              QString::fromUtf8("Storms \u201c\u00e9\u201d"));
}

// Shows the file's date; keyboard edits reach the model, the buttons act on them.
TEST_F(ContextViewsTest, StartDateWiring) {
    StartDateView& view = app.view<StartDateView>();
    EditingMenuView& menu = app.view<EditingMenuView>();
    const std::string head = "head \xe9\r\n\r\n";
    game.write("Data/maindata.bm1", head + "Wednesday\r\n18\r\nAugust\r\n2004\r\ntail\r\n");
    openFromMenu(context::MenuButton::StartDate);
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the lists chooses nothing";
    EXPECT_EQ(view.weekdayList->currentText() + view.dayList->currentText() +
                  view.monthList->currentText() + view.year->text(),
              QStringLiteral("Wednesday18August2004"));
    EXPECT_EQ(tabOrder(&view),
              QStringLiteral("Day|Number|Month|Year|Confirm Start Date|Back To Menu"));
    screenshot(&view, "start_date");

    QTest::keyClick(view.weekdayList, Qt::Key_Down);
    QTest::keyClick(view.dayList, Qt::Key_Down);
    QTest::keyClick(view.monthList, Qt::Key_Up);
    view.yearBar->setSliderDown(true); // a drag moves the year as it goes
    view.yearBar->setSliderPosition(2007);
    EXPECT_EQ(view.year->text(), QStringLiteral("2007"));
    view.yearBar->setSliderDown(false);
    QTest::keyClick(view.confirmButton, Qt::Key_Return);
    EXPECT_EQ(game.read("Data/maindata.bm1"), head + "Thursday\r\n19\r\nJuly\r\n2007\r\ntail\r\n");
    click(menu.button(context::MenuButton::StartDate));
    click(view.backButton);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "asked on confirming; no changes, no question";
}

} // namespace
} // namespace bm::gui
