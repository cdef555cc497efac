#include "gui/gui_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace bm::gui {
namespace {

using context::MenuButton;

const std::string kHead = "head \xe9\r\n\r\n";
const std::string kTail = "tail\r\n";

class StartDateViewTest : public test::GuiTest {
protected:
    StartDateView& view = *app.startDateView;
    EditingMenuView& menu = *app.menuView;
    context::StartDateScreen& model = app.editor().startDate;

    void SetUp() override {
        game.write("Data/maindata.bm1", kHead + "Wednesday\r\n18\r\nAugust\r\n2004\r\n" + kTail);
        ASSERT_TRUE(app.start());
        click(app.startView->newGameButton);
        click(menu.button(MenuButton::StartDate));
    }
};

TEST_F(StartDateViewTest, TheMenuButtonShowsTheDateOfTheFile) {
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the lists chooses nothing";
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Brawlmark 1.3 Official Editor"));
    EXPECT_EQ(view.instruction->text(),
              QStringLiteral("Please choose the start date for this game / scenario."));
    EXPECT_EQ(view.weekdayList->currentText(), QStringLiteral("Wednesday"));
    EXPECT_EQ(view.dayList->currentText(), QStringLiteral("18"));
    EXPECT_EQ(view.monthList->currentText(), QStringLiteral("August"));
    EXPECT_EQ(view.year->text(), QStringLiteral("2004"));
    EXPECT_EQ(view.yearBar->value(), 2004);
    EXPECT_EQ(view.yearBar->minimum(), 1950);
    EXPECT_EQ(view.yearBar->maximum(), 2050);
    EXPECT_EQ(view.weekdayList->count(), 7);
    EXPECT_EQ(view.dayList->count(), 31);
    EXPECT_EQ(view.monthList->count(), 12);
    const std::pair<QWidget*, QString> captions[] = {{view.weekdayList, "Day"},
                                                     {view.dayList, "Number"},
                                                     {view.monthList, "Month"},
                                                     {view.yearBar, "Year"}};
    for (const auto& [control, caption] : captions) {
        EXPECT_EQ(labelledBy(control), caption);
        EXPECT_EQ(control->accessibleName(), caption);
    }
    EXPECT_LE(view.frameGeometry().width(), 1366);
    EXPECT_LE(view.frameGeometry().height(), 768);
    screenshot(&view, "start_date");
}

TEST_F(StartDateViewTest, KeyboardEditsReachTheModelAndEnterConfirms) {
    QTest::keyClick(view.weekdayList, Qt::Key_Down);
    EXPECT_EQ(model.weekday(), "Thursday");
    QTest::keyClick(view.dayList, Qt::Key_Down);
    EXPECT_EQ(model.day(), "19");
    QTest::keyClick(view.monthList, Qt::Key_Up);
    EXPECT_EQ(model.month(), "July");
    QTest::keyClick(view.monthList, Qt::Key_Down);

    QTest::keyClick(view.yearBar, Qt::Key_Right);
    EXPECT_EQ(view.year->text(), QStringLiteral("2005"));
    QTest::keyClick(view.yearBar, Qt::Key_Left);
    QTest::keyClick(view.yearBar, Qt::Key_Left);
    EXPECT_EQ(view.year->text(), QStringLiteral("2003"));
    // A drag moves the year as it goes, not only when the bar is let go.
    view.yearBar->setSliderDown(true);
    view.yearBar->setSliderPosition(2040);
    EXPECT_EQ(view.year->text(), QStringLiteral("2040"));
    view.yearBar->setSliderPosition(2004);
    view.yearBar->setSliderDown(false);
    EXPECT_EQ(model.year(), "2004");

    QTest::keyClick(view.confirmButton, Qt::Key_Return);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Start Date Saved OK!"});
    EXPECT_EQ(game.read("Data/maindata.bm1"),
              kHead + "Thursday\r\n19\r\nAugust\r\n2004\r\n" + kTail);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(view.isVisible());
}

TEST_F(StartDateViewTest, TabVisitsTheInputsThenTheButtons) {
    std::vector<QWidget*> order;
    QWidget* w = view.weekdayList;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&view) && w->window() == &view) {
            order.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != view.weekdayList);
    EXPECT_EQ(order, (std::vector<QWidget*>{view.weekdayList, view.dayList, view.monthList,
                                            view.yearBar, view.confirmButton, view.backButton}));
}

TEST_F(StartDateViewTest, BackToMenuWithoutChangesLeavesAtOnceAndReopeningRereads) {
    click(view.backButton);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(menu.isVisible());
    game.write("Data/maindata.bm1", kHead + "Sunday\r\n1\r\nJanuary\r\n1950\r\n" + kTail);
    click(menu.button(MenuButton::StartDate));
    EXPECT_EQ(view.weekdayList->currentText(), QStringLiteral("Sunday"));
    EXPECT_EQ(view.dayList->currentText(), QStringLiteral("1"));
    EXPECT_EQ(view.year->text(), QStringLiteral("1950"));
    EXPECT_EQ(view.yearBar->value(), 1950);
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
} // namespace bm::gui
