#include "gui/gui_fixture.h"
#include "gui/roster/bulk_tools_panel.h"

#include "core/roster/roster.h"
#include "gui/ui/text_codec.h"

#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace bm::gui {
namespace {

using roster::Box;
using roster::ToolRow;

class BulkToolsPanelTest : public test::GuiTest {
protected:
    roster::BulkTools& model = app.editor().bulkTools;

    void SetUp() override {
        roster::Roster wrestlers;
        for (const char* promotion : {"NWC", "CCW"}) {
            auto w = roster::newWrestler(std::string("W ") + promotion, "2004");
            w.set(roster::Field::promotion, promotion);
            wrestlers.append(w);
        }
        game.write("Data/wrestlers.bm1", roster::rosterBytes(wrestlers));
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Wrestlers));
    }
};

TEST_F(BulkToolsPanelTest, BoxesAndButtonsReachTheModel) {
    BulkToolsPanel panel(model);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    screenshot(&panel, "bulk_tools_panel");

    // Boxes are named by their captions, each "Go" by its row; Tab runs
    // along the rows, then to the two buttons.
    std::vector<QWidget*> tabOrder;
    for (const auto& row : roster::kToolRows) {
        for (int b = 0; b < row.boxes; ++b) {
            const auto i = static_cast<std::size_t>(row.first) + static_cast<std::size_t>(b);
            EXPECT_EQ(labelledBy(panel.boxes[i]), toDisplay(roster::kBoxCaptions[i]));
            tabOrder.push_back(panel.boxes[i]);
        }
        tabOrder.push_back(panel.goButton(row.row));
        EXPECT_EQ(panel.goButton(row.row)->text() + "|" + accessibleName(tabOrder.back()),
                  "Go|" + toDisplay(row.goName));
    }
    tabOrder.insert(tabOrder.end(), {panel.expiryButton, panel.exportRosterButton});
    for (std::size_t k = 0; k + 1 < tabOrder.size(); ++k) {
        QWidget* next = tabOrder[k]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, tabOrder[k + 1]) << k;
    }

    // Typed text reaches the model; a success empties the boxes on screen.
    QTest::keyClicks(panel.box(Box::RenameFrom), QStringLiteral("NWC"));
    QTest::keyClicks(panel.box(Box::RenameTo), QStringLiteral("GCW"));
    click(panel.goButton(ToolRow::Rename));
    EXPECT_EQ(app.editor().rosterScreen.roster()[0].promotion(), "GCW");
    EXPECT_TRUE(panel.box(Box::RenameFrom)->text().isEmpty());

    // Enter in a box runs its row; the two buttons ask first.
    QTest::keyClicks(panel.box(Box::DeletePromotion), QStringLiteral("CCW"));
    QTest::keyClick(panel.box(Box::DeletePromotion), Qt::Key_Return);
    EXPECT_EQ(app.editor().rosterScreen.roster().size(), 1u);
    dialogs.no();
    click(panel.expiryButton);
    dialogs.reply("");
    QTest::keyClick(panel.exportRosterButton, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[3].title, "Add To Other File");
}

} // namespace
} // namespace bm::gui
