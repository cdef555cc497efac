#include "gui/gui_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <tuple>
#include <vector>

namespace bm::gui {
namespace {

const std::string kHead = "head \xe9\r\n\r\n";
const std::string kTail = "tail\r\n";

class StartDateViewTest : public test::GuiTest {
protected:
    StartDateView& view = app.view<StartDateView>();
    EditingMenuView& menu = app.view<EditingMenuView>();

    void SetUp() override {
        game.write("Data/maindata.bm1", kHead + "Wednesday\r\n18\r\nAugust\r\n2004\r\n" + kTail);
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(menu.button(context::MenuButton::StartDate));
    }
};

// The menu button shows the file's date; keyboard edits reach the model and
// the buttons act on them.
TEST_F(StartDateViewTest, StartDateWiring) {
    ASSERT_TRUE(view.isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << "filling the lists chooses nothing";
    EXPECT_FALSE(view.instruction->text().isEmpty());
    EXPECT_EQ(view.weekdayList->currentText() + view.dayList->currentText() +
                  view.monthList->currentText() + view.year->text(),
              QStringLiteral("Wednesday18August2004"));
    EXPECT_EQ(view.weekdayList->count() + view.dayList->count() + view.monthList->count(), 50);
    EXPECT_EQ(std::tuple(view.yearBar->minimum(), view.yearBar->value(), view.yearBar->maximum()),
              std::tuple(1950, 2004, 2050));
    // Every input is captioned, and Tab visits the inputs, then the buttons.
    const std::vector<QWidget*> tabOrder = {view.weekdayList, view.dayList,       view.monthList,
                                            view.yearBar,     view.confirmButton, view.backButton};
    const QStringList captions = {"Day", "Number", "Month", "Year"};
    for (int i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(labelledBy(tabOrder[i]), captions[i]);
        EXPECT_EQ(tabOrder[i]->accessibleName(), captions[i]);
    }
    std::vector<QWidget*> visited;
    QWidget* w = view.weekdayList;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&view) && w->window() == &view) {
            visited.push_back(w);
        }
    } while ((w = w->nextInFocusChain()) != view.weekdayList);
    EXPECT_EQ(visited, tabOrder);
    EXPECT_LE(view.frameGeometry().width(), 1366);
    EXPECT_LE(view.frameGeometry().height(), 768);
    EXPECT_EQ(view.confirmButton->text() + "|" + view.backButton->text(),
              QStringLiteral("Confirm Start Date|Back To Menu"));
    screenshot(&view, "start_date");

    QTest::keyClick(view.weekdayList, Qt::Key_Down);
    QTest::keyClick(view.dayList, Qt::Key_Down);
    QTest::keyClick(view.monthList, Qt::Key_Up);
    QTest::keyClick(view.yearBar, Qt::Key_Right);
    EXPECT_EQ(view.year->text(), QStringLiteral("2005"));
    // A drag moves the year as it goes, not only when the bar is let go.
    view.yearBar->setSliderDown(true);
    view.yearBar->setSliderPosition(2007);
    EXPECT_EQ(view.year->text(), QStringLiteral("2007"));
    view.yearBar->setSliderDown(false);

    QTest::keyClick(view.confirmButton, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(game.read("Data/maindata.bm1"), kHead + "Thursday\r\n19\r\nJuly\r\n2007\r\n" + kTail);
    EXPECT_TRUE(menu.isVisible());

    click(menu.button(context::MenuButton::StartDate));
    click(view.backButton);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "no changes, no question";
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(view.isVisible());
}

} // namespace
} // namespace bm::gui
