#include "gui/gui_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace bm::gui {
namespace {

using Row = DateCalculatorView::Row;
using Part = DateCalculatorView::Part;

class DateCalculatorViewTest : public test::GuiTest {};

TEST_F(DateCalculatorViewTest, DateCalculatorWiring) {
    DateCalculatorView& view = app.view<DateCalculatorView>();
    ASSERT_TRUE(app.start());
    app.editor().calculator.open();
    ASSERT_TRUE(view.isVisible());
    EXPECT_TRUE(app.view<StartScreenView>().isVisible()) << "the calling screen stays";
    EXPECT_FALSE(view.isModal());
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Date Calculator"));
    const QStringList captions{"Day", "Number", "Month", "Year"};
    for (const Row row : {Row::TitleWon, Row::GameStart}) {
        for (int i = 0; i < 4; ++i) {
            QComboBox* list = view.list(row, static_cast<Part>(i));
            EXPECT_EQ(list->currentIndex(), -1) << i;
            EXPECT_EQ(labelledBy(list), captions[i]);
            EXPECT_EQ(list->accessibleName(), captions[i]);
            EXPECT_EQ(list->accessibleDescription(), view.rowBox(row)->title());
        }
    }
    EXPECT_EQ(view.rowBox(Row::TitleWon)->title() + "|" + view.rowBox(Row::GameStart)->title() +
                  "|" + view.calculateButton->text(),
              QStringLiteral("Enter The Date The Wrestler(s) Won The Title|Enter The Start Date Of "
                             "The Game|Calculate"));
    screenshot(&view, "date_calculator_unchosen");

    const auto choose = [&](Row row, const QStringList& date) {
        for (int i = 0; i < 4; ++i) {
            QComboBox* list = view.list(row, static_cast<Part>(i));
            list->setCurrentIndex(list->findText(date[i]));
        }
    };
    choose(Row::TitleWon, {"Thursday", "1", "January", "2004"});
    choose(Row::GameStart, {"Saturday", "1", "January", "2005"});
    QTest::keyClick(view.calculateButton, Qt::Key_Return);
    EXPECT_EQ(view.result->text(), QStringLiteral("Number Of Days Between The Dates: 366"));
    EXPECT_LE(view.frameGeometry().width(), 1366);
    screenshot(&view, "date_calculator");

    QTest::keyClick(view.calculateButton, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(app.view<StartScreenView>().isVisible());
    app.editor().calculator.open();
    view.close(); // the window frame
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(app.navigator().quitting());
}

} // namespace
} // namespace bm::gui
