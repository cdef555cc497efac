#include "gui/gui_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace bm::gui {
namespace {

using Row = DateCalculatorView::Row;
using Part = DateCalculatorView::Part;

class DateCalculatorViewTest : public test::GuiTest {
protected:
    DateCalculatorView& view = *app.calculatorView;

    void choose(Row row, const QStringList& date) {
        for (int i = 0; i < 4; ++i) {
            QComboBox* list = view.list(row, static_cast<Part>(i));
            list->setCurrentIndex(list->findText(date[i]));
        }
    }
};

TEST_F(DateCalculatorViewTest, OpensBesideTheCallingScreenAndCounts) {
    game.write("Data/maindata.bm1", "a\r\nb\r\nWednesday\r\n18\r\nAugust\r\n2004\r\n");
    ASSERT_TRUE(app.start());
    click(app.startView->newGameButton);
    click(app.menuView->button(context::MenuButton::StartDate));
    app.editor().calculator.open();
    ASSERT_TRUE(view.isVisible());
    EXPECT_TRUE(app.startDateView->isVisible()) << "the calling screen stays";
    EXPECT_FALSE(view.isModal());
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Date Calculator"));
    EXPECT_EQ(view.rowBox(Row::TitleWon)->title(),
              QStringLiteral("Enter The Date The Wrestler(s) Won The Title"));
    EXPECT_EQ(view.rowBox(Row::GameStart)->title(),
              QStringLiteral("Enter The Start Date Of The Game"));
    const QStringList captions{"Day", "Number", "Month", "Year"};
    const int counts[] = {7, 31, 12, 8};
    for (const Row row : {Row::TitleWon, Row::GameStart}) {
        for (int i = 0; i < 4; ++i) {
            QComboBox* list = view.list(row, static_cast<Part>(i));
            EXPECT_EQ(list->currentIndex(), -1) << i;
            EXPECT_EQ(list->count(), counts[i]) << i;
            EXPECT_EQ(labelledBy(list), captions[i]);
            EXPECT_EQ(list->accessibleName(), captions[i]);
            EXPECT_EQ(list->accessibleDescription(), view.rowBox(row)->title());
        }
    }
    EXPECT_TRUE(view.result->text().isEmpty());
    screenshot(&view, "date_calculator_unchosen");

    choose(Row::TitleWon, {"Thursday", "1", "January", "2004"});
    choose(Row::GameStart, {"Saturday", "1", "January", "2005"});
    QTest::keyClick(view.calculateButton, Qt::Key_Return);
    EXPECT_EQ(view.result->text(), QStringLiteral("Number Of Days Between The Dates: 366"));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_LE(view.frameGeometry().width(), 1366);
    screenshot(&view, "date_calculator");

    choose(Row::GameStart, {"Wednesday", "31", "December", "2003"});
    click(view.calculateButton);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Date Calculator");
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
    EXPECT_TRUE(view.result->text().isEmpty());

    QTest::keyClick(view.calculateButton, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(app.startDateView->isVisible());
}

} // namespace
} // namespace bm::gui
