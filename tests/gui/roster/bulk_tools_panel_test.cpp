#include "gui/gui_fixture.h"
#include "gui/roster/bulk_tools_panel.h"

#include "core/roster/roster.h"
#include "core/roster/roster_fixture.h"

#include <QLineEdit>
#include <QPushButton>

namespace bm::gui {
namespace {

using roster::Box;
using roster::ToolRow;

using BulkToolsPanelTest = test::GuiTest;

// The panel on the roster screen; its captions and tab order are the
// screen's (see the roster views test).
TEST_F(BulkToolsPanelTest, BoxesAndButtonsReachTheModel) {
    game.write("Data/wrestlers.bm1", roster::test::wrestlersFile({{"Al", "NWC"}, {"Bo", "CCW"}}));
    ASSERT_TRUE(app.start());
    click(app.view<StartScreenView>().newGameButton);
    click(app.view<EditingMenuView>().button(context::MenuButton::Wrestlers));
    auto* panel = app.view<RosterScreenView>().findChild<BulkToolsPanel*>();
    ASSERT_NE(panel, nullptr);
    const roster::Roster& roster = app.editor().rosterScreen.roster();

    // Each "Go" is announced with what its row does.
    QStringList goNames;
    for (const auto& row : roster::kToolRows) {
        goNames << panel->goButton(row.row)->accessibleName();
    }
    EXPECT_EQ(goNames.join('|'), QStringLiteral("Go: change all promotions|Go: export the "
                                                "promotion to a new file|Go: delete the "
                                                "promotion's wrestlers"));

    // Typed text reaches the model; a success empties the boxes on screen.
    QTest::keyClicks(panel->box(Box::RenameFrom), QStringLiteral("NWC"));
    QTest::keyClicks(panel->box(Box::RenameTo), QStringLiteral("GCW"));
    click(panel->goButton(ToolRow::Rename));
    EXPECT_EQ(roster[0].promotion(), "GCW");
    EXPECT_TRUE(panel->box(Box::RenameFrom)->text().isEmpty());

    // Enter in a box runs its row; the two buttons ask first.
    QTest::keyClicks(panel->box(Box::DeletePromotion), QStringLiteral("CCW"));
    QTest::keyClick(panel->box(Box::DeletePromotion), Qt::Key_Return);
    EXPECT_EQ(roster.size(), 1u);
    dialogs.no();
    click(panel->expiryButton);
    dialogs.reply("");
    QTest::keyClick(panel->exportRosterButton, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[3].title, "Add To Other File");
}

} // namespace
} // namespace bm::gui
