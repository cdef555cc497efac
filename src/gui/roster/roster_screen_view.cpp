#include "gui/roster/roster_screen_view.h"

#include "gui/roster/grid_view.h"
#include "gui/roster/roster_grid_model.h"
#include "gui/ui/caption.h"
#include "gui/ui/text_codec.h"
#include "gui/ui/twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <limits>

namespace bm::gui {

RosterScreenView::RosterScreenView(roster::RosterScreen& model, QWidget* parent)
    : ScreenView(ui::Screen::Roster, parent), model_(model) {
    heading = makeHeading(QString(), this);
    heading->setTextFormat(Qt::PlainText);

    grid = new GridView(roster::kNameColumn, this);
    gridModel = new RosterGridModel(model_, grid);
    grid->setModel(gridModel);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->setColumnWidth(roster::kNameColumn, twipsToPixels(roster::kNameColumnTwips, this));
    grid->setColumnWidth(roster::kPromotionColumn,
                         twipsToPixels(roster::kPromotionColumnTwips, this));
    // As wide as its two columns: the widths are the game's own.
    grid->setFixedWidth(grid->columnWidth(roster::kNameColumn) +
                        grid->columnWidth(roster::kPromotionColumn) +
                        grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth());
    grid->setMinimumHeight(460);
    // The list is named by the heading, which says what a click does.
    setCaption(heading, grid, toDisplay(roster::kRosterHeading));

    totalCaption = new QLabel(toDisplay(roster::kTotalCaption), this);
    totalnum = new QLabel(this);
    totalnum->setTextFormat(Qt::PlainText);
    totalnum->setTextInteractionFlags(Qt::TextSelectableByMouse);
    searchCaption = new QLabel(this);
    searchBox = new QLineEdit(this);
    searchBox->setMaxLength(std::numeric_limits<int>::max());
    setCaption(searchCaption, searchBox, toDisplay(roster::kSearchCaption));

    // Made in the order they are seen, which is the order Tab visits them.
    sortNameButton = makeButton(toDisplay(roster::kSortName), this);
    sortPromotionButton = makeButton(toDisplay(roster::kSortPromotion), this);
    showAllButton = makeButton(toDisplay(roster::kShowAll), this);
    showInjuredButton = makeButton(toDisplay(roster::kShowInjured), this);
    createButton = makeButton(toDisplay(roster::kCreateNewWrestler), this);
    saveButton = makeButton(toDisplay(roster::kSaveChanges), this);
    doneButton = makeButton(toDisplay(roster::kRosterDone), this);

    auto* total = new QHBoxLayout;
    total->addWidget(totalCaption);
    total->addWidget(totalnum, 1);
    auto* search = new QHBoxLayout;
    search->addWidget(searchCaption);
    search->addWidget(searchBox, 1);
    // Pairs that belong together side by side; the tab order follows the rows.
    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(8);
    QPushButton* const pairs[][2] = {{sortNameButton, sortPromotionButton},
                                     {showAllButton, showInjuredButton},
                                     {createButton, saveButton}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            auto* b = pairs[row][column];
            b->setMinimumSize(180, 32);
            buttons->addWidget(b, row, column);
        }
    }
    doneButton->setMinimumSize(180, 32);

    auto* side = new QVBoxLayout;
    side->addLayout(total);
    side->addLayout(search);
    side->addSpacing(8);
    side->addLayout(buttons);
    // Bulk tools slot: the panel of roster-wide tools is inserted here.
    bulkToolsSlot_ = new QVBoxLayout;
    side->addSpacing(8);
    side->addLayout(bulkToolsSlot_);
    side->addStretch(1);
    side->addWidget(doneButton, 0, Qt::AlignRight);

    auto* body = new QHBoxLayout;
    body->addWidget(grid, 1);
    body->addSpacing(12);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(heading);
    layout->addLayout(body, 1);

    connect(grid, &GridView::cellChosen, this,
            [this](int row, int column) { model_.clickCell(row, column); });
    connect(searchBox, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.typeSearch(toBytes(text)); });
    connect(searchBox, &QLineEdit::returnPressed, this, [this] { model_.search(); });
    connect(createButton, &QPushButton::clicked, this, [this] { model_.createNewWrestler(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { model_.saveChanges(); });
    connect(doneButton, &QPushButton::clicked, this, [this] { model_.done(); });
    connect(sortNameButton, &QPushButton::clicked, this, [this] { model_.sortByName(); });
    connect(sortPromotionButton, &QPushButton::clicked, this, [this] { model_.sortByPromotion(); });
    connect(showAllButton, &QPushButton::clicked, this, [this] { model_.showAll(); });
    connect(showInjuredButton, &QPushButton::clicked, this, [this] { model_.showInjured(); });

    rowsChanged_ = model_.rowsChanged().subscribe([this](int top) { showRows(top); });
    watch(model_, [this] { render(); });
    render();
}

void RosterScreenView::setBulkToolsPanel(QWidget* panel) {
    bulkToolsSlot_->addWidget(panel);
    panel->show(); // a layout shows a widget added to a visible window only later
    // Tab visits the panel where it is seen, before "Done" below it.
    QWidget* last = nullptr;
    for (QWidget* w = panel->nextInFocusChain(); panel->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            last = w;
        }
    }
    if (last) {
        setTabOrder(last, doneButton);
    }
}

void RosterScreenView::render() {
    totalnum->setText(toDisplay(model_.totalnum()));
    // The total is read out under its caption.
    totalnum->setAccessibleName(totalCaption->text());
    totalnum->setAccessibleDescription(totalnum->text());
    const QString search = toDisplay(model_.searchText());
    if (searchBox->text() != search) {
        // A line break just pasted became a blank: keep the cursor in place.
        const QSignalBlocker blocker(searchBox);
        const int cursor = searchBox->cursorPosition();
        searchBox->setText(search);
        searchBox->setCursorPosition(std::min<int>(cursor, static_cast<int>(search.size())));
    }
}

void RosterScreenView::showRows(int top) {
    gridModel->refresh();
    const QModelIndex row = gridModel->index(top, roster::kNameColumn);
    if (!row.isValid()) {
        grid->scrollToTop();
        return;
    }
    grid->setCurrentIndex(row);
    grid->scrollTo(row, QAbstractItemView::PositionAtTop);
}

void RosterScreenView::showEvent(QShowEvent* event) {
    ScreenView::showEvent(event);
    grid->setFocus();
}

} // namespace bm::gui
