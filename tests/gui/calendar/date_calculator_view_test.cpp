#include "gui/gui_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

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
    EXPECT_EQ(view.windowTitle() + "|" + view.rowBox(Row::TitleWon)->title() + "|" +
                  view.rowBox(Row::GameStart)->title(),
              QStringLiteral("Date Calculator|Enter The Date The Wrestler(s) Won The Title|Enter "
                             "The Start Date Of The Game"));
    EXPECT_EQ(tabOrder(&view),
              QStringLiteral("Day|Number|Month|Year|Day|Number|Month|Year|Calculate"));
    const std::pair<Row, QStringList> dates[] = {
        {Row::TitleWon, {"Thursday", "1", "January", "2004"}},
        {Row::GameStart, {"Saturday", "1", "January", "2005"}},
    };
    for (const auto& [row, date] : dates) {
        for (int i = 0; i < 4; ++i) {
            QComboBox* list = view.list(row, static_cast<Part>(i));
            EXPECT_EQ(list->currentIndex(), -1) << "nothing chosen yet";
            EXPECT_EQ(list->accessibleDescription(), view.rowBox(row)->title());
            list->setCurrentIndex(list->findText(date[i]));
        }
    }
    QTest::keyClick(view.calculateButton, Qt::Key_Return);
    EXPECT_EQ(view.result->text(), QStringLiteral("Number Of Days Between The Dates: 366"));
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
