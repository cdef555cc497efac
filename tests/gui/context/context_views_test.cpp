#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_record.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <tuple>
#include <utility>

namespace bm::gui {
namespace {

using context::MenuButton;
using context::ScenarioField;
using ContextViewsTest = test::GuiTest;

// "Alpha" is empty; the checks report Beta's big show date and missing logo.
TEST_F(ContextViewsTest, StartScreenMenuStartDateAndScenarioInfoWiring) {
    StartScreenView& start = app.view<StartScreenView>();
    EditingMenuView& menu = app.view<EditingMenuView>();
    const std::string head = "head \xe9\r\n\r\n";
    game.write("Data/maindata.bm1", head + "Wednesday\r\n18\r\nAugust\r\n2004\r\ntail\r\n");
    game.write("Data/venues.txt", "");
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
    // The start date shows the file's; keyboard edits reach the model.
    StartDateView& date = app.view<StartDateView>();
    click(menu.button(MenuButton::StartDate));
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the lists chooses nothing";
    EXPECT_EQ(date.weekdayList->currentText() + date.dayList->currentText() +
                  date.monthList->currentText() + date.year->text(),
              QStringLiteral("Wednesday18August2004"));
    EXPECT_EQ(tabOrder(&date),
              QStringLiteral("Day|Number|Month|Year|Confirm Start Date|Back To Menu"));
    screenshot(&date, "start_date");
    QTest::keyClick(date.weekdayList, Qt::Key_Down);
    QTest::keyClick(date.dayList, Qt::Key_Down);
    QTest::keyClick(date.monthList, Qt::Key_Up);
    EXPECT_EQ(std::pair(date.yearBar->minimum(), date.yearBar->maximum()), std::pair(1950, 2050));
    date.yearBar->setSliderDown(true); // a drag moves the year as it goes
    date.yearBar->setSliderPosition(2007);
    EXPECT_EQ(date.year->text(), QStringLiteral("2007"));
    date.yearBar->setSliderDown(false);
    QTest::keyClick(date.confirmButton, Qt::Key_Return);
    EXPECT_EQ(game.read("Data/maindata.bm1"), head + "Thursday\r\n19\r\nJuly\r\n2007\r\ntail\r\n");
    click(menu.button(MenuButton::StartDate));
    click(date.backButton);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "asked on confirming; no changes, no question";
    dialogs.clear();
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
    // A scenario created here is described, and reopened from its menu.
    ScenarioInfoView& info = app.view<ScenarioInfoView>();
    dialogs.reply("Tide Turn");
    click(start.createScenarioButton);
    ASSERT_TRUE(info.isVisible() && !start.isVisible());
    EXPECT_EQ(info.heading->text() + "|" + info.hint->text() + "|" + tabOrder(&info),
              QStringLiteral("Scenario Information File|Click an item to edit|Title Of "
                             "Scenario|Scenario Description|Your Name|OK"));
    EXPECT_EQ(info.field(ScenarioField::scenarioname)->value(), QStringLiteral("Tide Turn"));
    EXPECT_EQ(info.focusWidget(), info.field(ScenarioField::scenarioname));
    screenshot(&info, "scenario_info");
    dialogs.reply("Storms \x93\xe9\x94");
    QTest::keyClick(info.field(ScenarioField::scenariodesc), Qt::Key_Return);
    click(info.okButton);
    click(menu.button(MenuButton::ScenarioInfo));
    EXPECT_EQ(info.field(ScenarioField::scenariodesc)->value(),
              QString::fromUtf8("Storms \u201c\u00e9\u201d"));
    click(info.okButton);
    click(menu.backButton);
    start.close(); // the window frame is "Exit"
    EXPECT_TRUE(app.navigator().quitting());
}

} // namespace
} // namespace bm::gui
