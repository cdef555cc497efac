#include "gui/roster/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace bm::gui {

GridView::GridView(int keyColumn, QWidget* parent) : QTableView(parent), keyColumn_(keyColumn) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false); // the models order the rows themselves
    setWordWrap(false);
    setTabKeyNavigation(false); // Tab leaves the grid for the next control
    // Every row equally high, so a long list is laid out without measuring it.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    // Column widths are set by the screens; the style's minimum must not widen them.
    horizontalHeader()->setMinimumSectionSize(16);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { Q_EMIT cellChosen(index.row(), index.column()); });
}

void GridView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (currentIndex().isValid()) {
            Q_EMIT cellChosen(currentIndex().row(), keyColumn_);
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

} // namespace bm::gui
