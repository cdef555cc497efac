#include "gui/gui_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

#include <tuple>

namespace bm::gui {
namespace {

class StartDateViewTest : public test::GuiTest {};

// The menu button shows the file's date; keyboard edits reach the model and
// the buttons act on them.
TEST_F(StartDateViewTest, StartDateWiring) {
    StartDateView& view = app.view<StartDateView>();
    EditingMenuView& menu = app.view<EditingMenuView>();
    const std::string head = "head \xe9\r\n\r\n";
    game.write("Data/maindata.bm1", head + "Wednesday\r\n18\r\nAugust\r\n2004\r\ntail\r\n");
    openFromMenu(context::MenuButton::StartDate);
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the lists chooses nothing";
    EXPECT_FALSE(view.instruction->text().isEmpty());
    EXPECT_EQ(view.weekdayList->currentText() + view.dayList->currentText() +
                  view.monthList->currentText() + view.year->text(),
              QStringLiteral("Wednesday18August2004"));
    EXPECT_EQ(std::tuple(view.yearBar->minimum(), view.yearBar->value(), view.yearBar->maximum()),
              std::tuple(1950, 2004, 2050));
    EXPECT_EQ(tabOrder(&view),
              QStringLiteral("Day|Number|Month|Year|Confirm Start Date|Back To Menu"));
    screenshot(&view, "start_date");

    QTest::keyClick(view.weekdayList, Qt::Key_Down);
    QTest::keyClick(view.dayList, Qt::Key_Down);
    QTest::keyClick(view.monthList, Qt::Key_Up);
    QTest::keyClick(view.yearBar, Qt::Key_Right);
    EXPECT_EQ(view.year->text(), QStringLiteral("2005"));
    view.yearBar->setSliderDown(true); // a drag moves the year as it goes
    view.yearBar->setSliderPosition(2007);
    EXPECT_EQ(view.year->text(), QStringLiteral("2007"));
    view.yearBar->setSliderDown(false);

    QTest::keyClick(view.confirmButton, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(game.read("Data/maindata.bm1"), head + "Thursday\r\n19\r\nJuly\r\n2007\r\ntail\r\n");
    EXPECT_TRUE(menu.isVisible());

    click(menu.button(context::MenuButton::StartDate));
    click(view.backButton);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "no changes, no question";
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(view.isVisible());
}

} // namespace
} // namespace bm::gui
