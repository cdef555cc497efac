#include "gui/gui_fixture.h"

#include "core/roster/roster.h"
#include "core/roster/roster_fixture.h"
#include "gui/roster/bulk_tools_panel.h"
#include "gui/roster/grid_view.h"
#include "gui/roster/roster_grid_model.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace bm::gui {
namespace {

const std::string kZoe = "Zo\xEB & Co"; // e diaeresis in the game's code page
const QString kZoeShown = QString::fromUtf8("Zo\u00EB & Co");

using RosterViewsTest = test::GuiTest;

TEST_F(RosterViewsTest, RosterScreenStatEditorAndBulkToolsWiring) {
    RosterScreenView& view = app.view<RosterScreenView>();
    StatEditorView& stats = app.view<StatEditorView>();
    const roster::Roster& roster = app.editor().rosterScreen.roster();
    const auto cell = [&view](int row, int column) {
        return view.gridModel->index(row, column).data().toString();
    };
    const auto twips = [](QTableView* grid, int column) {
        return grid->columnWidth(column) * 1440.0 / grid->logicalDpiX();
    };
    game.writeLines("Data/maindata.bm1", {"x", "y", "Wednesday", "18", "August", "2004"});
    std::vector<roster::test::Wrestler> wrestlers{{"Hal Brandt"},
                                                  {kZoe, "NWC", "12"},
                                                  {"amy Ortiz", "CCW"},
                                                  {"Bo Kane", "NWC"},
                                                  {"Cy Vance", "CCW", "3"}};
    for (int i = 10; i < 50; ++i) { // so that the list scrolls
        wrestlers.push_back({"Filler " + std::to_string(i)});
    }
    game.write("Data/wrestlers.bm1", roster::test::wrestlersFile(wrestlers));
    openFromMenu(context::MenuButton::Wrestlers);
    EXPECT_EQ(view.gridModel->headerData(0, Qt::Horizontal).toString() + "|" +
                  view.gridModel->headerData(1, Qt::Horizontal).toString() + "|" +
                  view.totalnum->text(),
              QStringLiteral("Wrestler Name|Promotion|45"));
    EXPECT_NEAR(twips(view.grid, 0), 5000, 15);
    EXPECT_NEAR(twips(view.grid, 1), 1550, 15);
    // The bulk tools panel in its slot comes between "Save Changes" and "Done".
    EXPECT_EQ(tabOrder(&view),
              "[Click on a name to edit or choose an option below]|Search For:|Sort: Name|Sort: "
              "Promotion|Show All|Show Injured|Create New Wrestler|Save Changes|Change all "
              "promotions called:|to promotion:|Go|Export all wrestlers with the promotion:|to a "
              "new file:|Go|Delete all wrestlers who have the promotion: |Go|Create Auto Expiry "
              "Dates|Export This Roster Into Another Roster File|Done");
    screenshot(&view, "roster_screen");
    QString firsts; // the first name listed after each button
    for (QPushButton* button :
         {view.sortPromotionButton, view.showInjuredButton, view.showAllButton}) {
        click(button);
        firsts += cell(0, 0) + "|";
    }
    EXPECT_EQ(firsts, QStringLiteral("amy Ortiz|Cy Vance|amy Ortiz|"));
    QTest::keyClicks(view.searchBox, QStringLiteral("O"));
    QTest::keyClick(view.searchBox, Qt::Key_Return);
    EXPECT_EQ(view.gridModel->rowCount(), 3) << "amy Ortiz, Bo Kane and Zoe";

    // Enter opens the current row's wrestler, whichever column is current.
    view.grid->setCurrentIndex(view.gridModel->index(2, 1));
    QTest::keyClick(view.grid, Qt::Key_Return);
    EXPECT_EQ(accessibleName(stats.grid), kZoeShown);

    // Each kind of stat has its own input, named by its editing caption.
    const auto& model = app.editor().statEditor;
    const QModelIndex caption = stats.grid->model()->index(0, 0); // navy, white and bold
    EXPECT_EQ(std::tuple(caption.data(Qt::BackgroundRole).value<QColor>(),
                         caption.data(Qt::ForegroundRole).value<QColor>(),
                         caption.data(Qt::FontRole).value<QFont>().bold()),
              std::tuple(QColor(0, 0, 128), QColor(Qt::white), true));
    EXPECT_EQ(stats.grid->model()->index(13, 0).data().toString(), QStringLiteral("Role"));
    EXPECT_NEAR(twips(stats.grid, 0), 2300, 15);
    screenshot(&stats, "stat_editor");
    const struct {
        int row;
        QString caption; // of the input
        QWidget* input;
        std::string typed; // over the input's text
        Qt::Key key;
        Qt::Key end; // Enter applies, Escape cancels
        std::string stored;
    } cases[] = {
        {0, "Full Name", stats.textBox, "Zo\xEB Vance", Qt::Key_unknown, Qt::Key_Return,
         "Zo\xEB Vance"},
        {3, "Brand", stats.choiceBox, "", Qt::Key_Up, Qt::Key_Enter, "Brand 2"},
        {15, "Finisher", stats.textBox, "Drop", Qt::Key_unknown, Qt::Key_Escape, "Finishing Move"},
        {24, "Morale", stats.scrollBar, "", Qt::Key_PageUp, Qt::Key_Return, "80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        while (stats.grid->currentIndex().row() < c.row) {
            QTest::keyClick(stats.grid, Qt::Key_Down);
        }
        QTest::keyClick(stats.grid, Qt::Key_Return);
        ASSERT_EQ(stats.currentInput(), c.input);
        EXPECT_EQ(labelledBy(c.input), c.caption);
        EXPECT_TRUE(stats.focusWidget() == c.input && stats.applyButton->isVisible());
        EXPECT_FALSE(stats.grid->isEnabled() || stats.closeButton->isEnabled());
        if (!c.typed.empty()) {
            QTest::keyClick(c.input, Qt::Key_A, Qt::ControlModifier);
        }
        for (const QChar ch : toDisplay(c.typed)) {
            QTest::sendKeyEvent(QTest::Click, c.input, Qt::Key_unknown, QString(ch), {});
        }
        if (c.key != Qt::Key_unknown) {
            QTest::keyClick(c.input, c.key);
        }
        if (c.input == stats.scrollBar) {
            EXPECT_EQ(stats.numberLabel->text().toStdString(), c.stored) << "as the bar moves";
        }
        QTest::keyClick(c.input, c.end);
        EXPECT_EQ(roster[model.entry()].get(roster::kStats[c.row].field), c.stored);
        EXPECT_EQ(stats.focusWidget(), stats.grid);
    }
    EXPECT_EQ(stats.heading->text() + "|" + stats.grid->model()->index(3, 1).data().toString(),
              QString::fromUtf8("Zo\u00EB Vance|Brand 2"));
    dialogs.yes();
    click(stats.deleteButton);
    EXPECT_EQ(view.totalnum->text(), QStringLiteral("44"));

    click(view.sortNameButton);

    // An edited promotion is repainted in its row, scrolled to the top.
    clickRow(view.grid, 10, 0);
    app.editor().statEditor.clickCell(2, 1);
    app.editor().statEditor.typeText("RHX");
    app.editor().statEditor.apply();
    click(stats.closeButton);
    EXPECT_EQ(cell(10, 1) + "|" + QString::number(view.grid->rowAt(0)), QStringLiteral("RHX|10"));
    click(view.createButton); // a new wrestler joins: the grid is rebuilt
    click(stats.closeButton);
    EXPECT_EQ(view.gridModel->rowCount(), 45);

    // A success empties the boxes; Enter in a box runs its row.
    dialogs.clear();
    auto* panel = view.findChild<BulkToolsPanel*>();
    QTest::keyClicks(panel->box(roster::Box::RenameFrom), QStringLiteral("NWC"));
    QTest::keyClicks(panel->box(roster::Box::RenameTo), QStringLiteral("GQW"));
    click(panel->goButton(roster::ToolRow::Rename));
    EXPECT_EQ(roster[2].promotion(), "GQW"); // Bo Kane
    EXPECT_TRUE(panel->box(roster::Box::RenameFrom)->text().isEmpty());
    QTest::keyClicks(panel->box(roster::Box::DeletePromotion), QStringLiteral("CCW"));
    QTest::keyClick(panel->box(roster::Box::DeletePromotion), Qt::Key_Return);
    EXPECT_EQ(roster.size(), 43u);
    dialogs.no();
    click(panel->expiryButton);
    dialogs.reply("");
    QTest::keyClick(panel->exportRosterButton, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown().size(), 4u) << "the export's prompt last";
    dialogs.no();
    click(view.doneButton);
    EXPECT_EQ(dialogs.texts().back(), "Save changes before leaving?");
}

} // namespace
} // namespace bm::gui
