#include "gui/gui_fixture.h"
#include "gui/roster/bulk_tools_panel.h"

#include "core/roster/roster.h"
#include "gui/ui/text_codec.h"

#include <QKeyEvent>
#include <QLabel>
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
    EXPECT_LE(panel.frameGeometry().width(), 1366);

    // Each box is named by its caption, each "Go" by its row; Tab runs along
    // the rows, then to the two buttons.
    std::vector<QWidget*> tabOrder;
    for (const auto& row : roster::kToolRows) {
        for (int b = 0; b < row.boxes; ++b) {
            const auto i = static_cast<std::size_t>(row.first) + static_cast<std::size_t>(b);
            EXPECT_EQ(labelledBy(panel.boxes[i]), toDisplay(roster::kBoxCaptions[i]));
            tabOrder.push_back(panel.boxes[i]);
        }
        QPushButton* go = panel.goButton(row.row);
        EXPECT_EQ(go->text(), QStringLiteral("Go"));
        EXPECT_EQ(accessibleName(go), toDisplay(row.goName));
        tabOrder.push_back(go);
    }
    tabOrder.push_back(panel.expiryButton);
    tabOrder.push_back(panel.exportRosterButton);
    std::vector<QWidget*> visited{tabOrder.front()};
    for (QWidget* w = tabOrder.front()->nextInFocusChain(); w != tabOrder.front();
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&panel)) {
            visited.push_back(w);
        }
    }
    EXPECT_EQ(visited, tabOrder);
    EXPECT_EQ(
        panel.expiryButton->text() + "|" + panel.exportRosterButton->text(),
        QStringLiteral("Create Auto Expiry Dates|Export This Roster Into Another Roster File"));

    // Typed text reaches the model; a success empties the boxes on screen.
    QTest::keyClicks(panel.box(Box::RenameFrom), QStringLiteral("NWC"));
    // A letter beyond ASCII, typed as a keyboard sends it.
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("G\xC3\xA9W"));
    QApplication::sendEvent(panel.box(Box::RenameTo), &typed);
    EXPECT_EQ(model.text(Box::RenameTo), "G\xE9W");
    click(panel.goButton(ToolRow::Rename));
    EXPECT_EQ(app.editor().rosterScreen.roster()[0].promotion(), "G\xE9W");
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
