#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_record.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace bm::gui {
namespace {

using context::MenuButton;

class ChecksViewTest : public test::GuiTest {};

TEST_F(ChecksViewTest, MenuButtonsShowEachReport) {
    const std::string s = "Scenarios/Harbor Nights/";
    game.writeLines(s + "maindata.bm1", {"a", "b", "Wednesday", "18", "August", "2004"});
    game.writeLines(s + "venues.txt", {});
    game.write(s + "wrestlers.bm1", "");
    auto record = promotion::makeTemplateRecord();
    record.set(promotion::line::promlogo, "harbor.jpg");
    record.set(promotion::line::nameofbigshow, "Dock Brawl");
    record.set(promotion::line::dateofshow, "Sunday 1st January 2006");
    game.writeLines(s + "hnw.fed", record.lines());

    StartScreenView& start = app.view<StartScreenView>();
    EditingMenuView& menu = app.view<EditingMenuView>();
    ASSERT_TRUE(app.start());
    click(start.scenarioButton);
    start.list->setCurrentRow(0);
    click(start.okButton);
    ASSERT_TRUE(menu.isVisible());

    const struct {
        MenuButton button;
        const char* heading;
        const char* shows; // a line of the report
        const char* shot;
    } cases[] = {
        {MenuButton::CheckDates, "Results Of The Date Check",
         "* There is a problem with the date of the Next Big Show in the promotion file hnw.fed. *",
         "editing_menu_date_check"},
        {MenuButton::CheckScenario, "Results Of The Scenario Check",
         "Image: ''harbor.jpg''..... ** MISSING **", "editing_menu_scenario_check"},
    };
    int busy = dialogs.busyCount();
    for (const auto& c : cases) {
        click(menu.button(c.button));
        EXPECT_EQ(dialogs.busyCount(), ++busy) << "the busy pointer while the check runs";
        EXPECT_FALSE(dialogs.busyNow());
        ASSERT_TRUE(menu.reportText->isVisible());
        EXPECT_EQ(menu.reportHeading->text(), QString::fromLatin1(c.heading));
        EXPECT_TRUE(
            menu.reportText->toPlainText().split('\n').contains(QString::fromLatin1(c.shows)))
            << menu.reportText->toPlainText().toStdString();
        screenshot(&menu, c.shot);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
} // namespace bm::gui
