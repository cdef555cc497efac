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
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <string>
#include <vector>

namespace bm::gui {
namespace {

using roster::Field;

const std::string kZoe = "Zo\xEB & Co"; // e diaeresis in the game's code page

class RosterViewsTest : public test::GuiTest {
protected:
    RosterScreenView& view = app.view<RosterScreenView>();
    StatEditorView& stats = app.view<StatEditorView>();
    roster::RosterScreen& screen = app.editor().rosterScreen;

    void SetUp() override {
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
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Wrestlers));
        ASSERT_TRUE(view.isVisible());
    }
    QString cell(int row, int column) const {
        return view.gridModel->index(row, column).data().toString();
    }
    // The names the grid shows, from the top.
    QStringList names(int count = 5) const {
        QStringList shown;
        for (int row = 0; row < std::min(count, view.gridModel->rowCount()); ++row) {
            shown << cell(row, 0);
        }
        return shown;
    }
    void clickCell(QTableView* grid, int row, int column) {
        const QModelIndex index = grid->model()->index(row, column);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }
    int topRow(QTableView* grid) const { return grid->rowAt(0); }
    static void fits(QWidget* w) {
        EXPECT_LE(w->frameGeometry().width(), 1366);
        EXPECT_LE(w->frameGeometry().height(), 768);
    }
};

// The list, its captions and every button reach the model; a click or Enter
// on a name opens the wrestler, and the way back repaints only what changed.
TEST_F(RosterViewsTest, RosterScreenWiring) {
    EXPECT_EQ(view.gridModel->headerData(0, Qt::Horizontal).toString() + "|" +
                  view.gridModel->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Wrestler Name|Promotion"));
    EXPECT_NEAR(view.grid->columnWidth(0) * 1440.0 / view.logicalDpiX(), 5000, 15);
    EXPECT_NEAR(view.grid->columnWidth(1) * 1440.0 / view.logicalDpiX(), 1550, 15);
    EXPECT_EQ(view.totalnum->text(), QStringLiteral("45"));
    EXPECT_EQ(accessibleName(view.grid),
              QStringLiteral("Click on a name to edit or choose an option below"));
    // Tab follows what is seen: the bulk tools panel in its slot comes
    // between "Save Changes" and "Done".
    EXPECT_EQ(tabOrder(&view).toStdString(),
              "Click on a name to edit or choose an option below|Search For:|Sort: Name|Sort: "
              "Promotion|Show All|Show Injured|Create New Wrestler|Save Changes|Change all "
              "promotions called:|to promotion:|Go|Export all wrestlers with the promotion:|to a "
              "new file:|Go|Delete all wrestlers who have the promotion: |Go|Create Auto Expiry "
              "Dates|Export This Roster Into Another Roster File|Done");
    fits(&view);
    screenshot(&view, "roster_screen");

    const QString zoe = toDisplay(kZoe);
    EXPECT_EQ(names(), (QStringList{"amy Ortiz", "Bo Kane", "Cy Vance", "Filler 10", "Filler 11"}));
    const struct {
        QPushButton* button;
        QStringList names;
    } buttons[] = {
        {view.sortPromotionButton, {"amy Ortiz", "Cy Vance", "Filler 10"}},
        {view.showInjuredButton, {"Cy Vance", zoe}},
        {view.showAllButton, {"amy Ortiz", "Bo Kane", "Cy Vance"}},
    };
    for (const auto& b : buttons) {
        click(b.button);
        EXPECT_EQ(names(3), b.names) << b.button->text().toStdString();
    }
    QTest::keyClicks(view.searchBox, QStringLiteral("O"));
    QTest::keyClick(view.searchBox, Qt::Key_Return);
    EXPECT_EQ(names(), (QStringList{"amy Ortiz", "Bo Kane", zoe}));
    EXPECT_TRUE(dialogs.shown().empty());

    // Enter opens the current row's wrestler, whichever column is current.
    view.grid->setCurrentIndex(view.gridModel->index(2, 1));
    QTest::keyClick(view.grid, Qt::Key_Return);
    ASSERT_TRUE(stats.isVisible());
    EXPECT_EQ(accessibleName(stats.grid), toDisplay(kZoe));
    click(stats.closeButton);
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(names(3), (QStringList{"amy Ortiz", "Cy Vance", "Filler 10"}))
        << "all listed again, by the last sort chosen";
    click(view.sortNameButton);

    // A promotion edited in the stat editor repaints that row alone, and the
    // list comes back with the wrestler's row at the top.
    QSignalSpy resets(view.gridModel, &QAbstractItemModel::modelReset);
    QSignalSpy repaints(view.gridModel, &QAbstractItemModel::dataChanged);
    clickCell(view.grid, 10, 1);
    EXPECT_TRUE(view.isVisible()) << "a click on a promotion opens nothing";
    clickCell(view.grid, 10, 0);
    ASSERT_TRUE(stats.isVisible());
    auto& editor = app.editor().statEditor;
    editor.clickCell(2, 1);
    editor.typeText("ROH");
    editor.apply();
    click(stats.closeButton);
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(resets.size(), 0);
    ASSERT_EQ(repaints.size(), 1);
    EXPECT_EQ(repaints[0][0].toModelIndex().row(), 10);
    EXPECT_EQ(cell(10, 1), QStringLiteral("ROH"));
    EXPECT_EQ(topRow(view.grid), 10);

    // A new wrestler joins the list: the grid is rebuilt.
    click(view.createButton);
    ASSERT_TRUE(stats.isVisible());
    click(stats.closeButton);
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(view.totalnum->text(), QStringLiteral("46"));
    EXPECT_EQ(view.gridModel->rowCount(), 46);

    dialogs.no();
    click(view.doneButton);
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Save changes before leaving?"}));
    EXPECT_TRUE(app.view<EditingMenuView>().isVisible());
    EXPECT_FALSE(view.isVisible());
}

// Every stat is reached and edited from the keyboard with its own input,
// named by its editing caption; Enter applies, Escape cancels.
TEST_F(RosterViewsTest, StatEditorWiring) {
    clickCell(view.grid, 44, 0);
    ASSERT_TRUE(stats.isVisible());
    const auto& model = app.editor().statEditor;
    const auto stored = [&](Field f) { return std::string(screen.roster()[model.entry()].get(f)); };
    ASSERT_EQ(stored(Field::names), kZoe);
    EXPECT_EQ(accessibleName(stats.grid), toDisplay(kZoe));
    const QAbstractItemModel& grid = *stats.grid->model();
    ASSERT_EQ(grid.rowCount(), 31);
    EXPECT_EQ(grid.index(13, 0).data().toString() + "|" + grid.index(13, 1).data().toString(),
              QStringLiteral("Role|Mid Carder"));
    EXPECT_EQ(grid.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 128));
    EXPECT_EQ(grid.index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    EXPECT_TRUE(grid.index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_NEAR(stats.grid->columnWidth(0) * 1440.0 / stats.logicalDpiX(), 2300, 15);
    EXPECT_EQ(stats.grid->currentIndex(), grid.index(0, 1));
    EXPECT_EQ(stats.currentInput(), nullptr);
    EXPECT_FALSE(stats.applyButton->isVisible());
    fits(&stats);
    screenshot(&stats, "stat_editor");

    // Each row: the stat's input, what is typed over its text, the keys
    // pressed, the key that ends the edit (Enter applies, Escape cancels).
    const struct {
        int row;
        QWidget* input;
        QString typed;
        std::vector<Qt::Key> keys;
        Qt::Key end;
        Field field;
        std::string stored;
        std::vector<std::string> messages = {};
    } cases[] = {
        {0,
         stats.textBox,
         toDisplay("Zo\xEB Vance"),
         {},
         Qt::Key_Return,
         Field::names,
         "Zo\xEB Vance"},
        {3, stats.choiceBox, "", {Qt::Key_Up}, Qt::Key_Return, Field::brand, "Brand 2"},
        {13, stats.choiceBox, "Upper Carder", {}, Qt::Key_Enter, Field::roles, "3"},
        {15,
         stats.textBox,
         "The Drop",
         {},
         Qt::Key_Return,
         Field::finisher,
         "Finishing Move",
         {"You can't start the finisher with 'The'! The game automatically adds 'the' to the "
          "commentary."}},
        {15, stats.textBox, "Drop", {}, Qt::Key_Escape, Field::finisher, "Finishing Move"},
        {21, stats.scrollBar, "", {Qt::Key_Home}, Qt::Key_Return, Field::cond, "Inj"},
        {24,
         stats.scrollBar,
         "",
         {Qt::Key_Right, Qt::Key_PageUp},
         Qt::Key_Return,
         Field::morale,
         "81"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        dialogs.clear();
        while (stats.grid->currentIndex().row() < c.row) {
            QTest::keyClick(stats.grid, Qt::Key_Down);
        }
        QTest::keyClick(stats.grid, Qt::Key_Return);
        ASSERT_EQ(stats.currentInput(), c.input);
        EXPECT_TRUE(c.input->isVisible() && stats.focusWidget() == c.input);
        EXPECT_EQ(labelledBy(c.input), toDisplay(roster::kStats[c.row].editingCaption));
        EXPECT_FALSE(stats.grid->isEnabled() || stats.closeButton->isEnabled());
        EXPECT_TRUE(stats.applyButton->isVisible() && stats.cancelButton->isVisible());
        if (!c.typed.isEmpty()) {
            QTest::keyClick(c.input, Qt::Key_A, Qt::ControlModifier);
            for (const QChar ch : c.typed) {
                QTest::sendKeyEvent(QTest::Click, c.input, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            }
        }
        for (const Qt::Key k : c.keys) {
            QTest::keyClick(c.input, k);
        }
        if (c.input == stats.scrollBar) {
            screenshot(&stats, "stat_editor_scroll");
            EXPECT_EQ(stats.numberLabel->text(), toDisplay(model.numberLabel()));
        }
        QTest::keyClick(c.input, c.end);
        EXPECT_EQ(stored(c.field), c.stored);
        EXPECT_EQ(dialogs.texts(), c.messages);
        if (!c.messages.empty()) {
            EXPECT_TRUE(c.input->isVisible()) << "a refused value stays in its input";
            QTest::keyClick(c.input, Qt::Key_Escape);
        }
        EXPECT_EQ(stats.currentInput(), nullptr);
        EXPECT_EQ(stats.focusWidget(), stats.grid);
    }
    EXPECT_EQ(stats.heading->text(), toDisplay("Zo\xEB Vance"));
    EXPECT_EQ(grid.index(13, 1).data().toString(), QStringLiteral("Upper Carder"));

    dialogs.yes();
    click(stats.deleteButton);
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.totalnum->text(), QStringLiteral("44"));
}

} // namespace
} // namespace bm::gui
