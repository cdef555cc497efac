#include "gui/ui/selection_bar.h"

#include "gui/gui_fixture.h"

#include <array>

namespace bm::gui {
namespace {

// Clicks and keys reach the model; the drawing shows the model's choice, in
// its colours, to the eye and to screen readers; Tab enters at the selection.
using SelectionBarTest = test::GuiTest;

TEST_F(SelectionBarTest, ClicksAndKeysSelectAndTheSelectionIsSeenAndHeard) {
    static constexpr std::array<std::string_view, 3> kTitles{"Custom 1", "Custom 2", "Custom 3"};
    ui::Selection titles(kTitles);
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("before"), &window);
    auto* bar = new SelectionBar(titles, 2, &window);
    bar->move(0, 40);
    std::vector<int> asked;
    bar->onSelect(bar, [&](int i) {
        asked.push_back(i);
        titles.select(i);
        bar->showSelection(titles);
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(bar->item(2), Qt::LeftButton);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(bar->item(2)->hasFocus()) << "Tab enters at the selected caption";
    QTest::keyClick(bar->item(2), Qt::Key_Left);
    EXPECT_EQ(titles.selected(), 2) << "moving is not selecting";
    QTest::keyClick(bar->item(1), Qt::Key_Space);
    QTest::keyClick(bar->item(1), Qt::Key_Up);
    QTest::keyClick(bar->item(0), Qt::Key_Up); // the first: stays
    QTest::keyClick(bar->item(0), Qt::Key_Return);
    EXPECT_EQ(asked, (std::vector<int>{2, 1, 0}));

    screenshot(bar, "selection_bar");
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(bar->item(i));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(
            std::tuple(a->text(QAccessible::Name), a->role(), a->state().checked),
            std::tuple(QString::fromLatin1(kTitles[i].data()), QAccessible::RadioButton, i == 0));
        EXPECT_EQ(bar->item(i)->grab().toImage().pixelColor(1, 1),
                  QColor(i == 0 ? 0xFFFFFF : 0xC0C0C0));
    }
}

} // namespace
} // namespace bm::gui
