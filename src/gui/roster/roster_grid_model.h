#pragma once

#include "core/roster/roster_screen.h"

#include <QAbstractTableModel>

#include <cstddef>
#include <vector>

namespace bm::gui {

// The roster screen's list as a Qt table: the cells are read from the roster
// when drawn, so even the largest roster costs only its visible rows.
class RosterGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RosterGridModel(const roster::RosterScreen& screen, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes the screen's rows: another list resets the grid; the same list
    // repaints only the rows whose wrestler now reads differently.
    void refresh();

private:
    std::size_t fingerprint(int entry) const;

    const roster::RosterScreen& screen_;
    // The rows as last taken, so that the grid changes only between a
    // begin and an end of a reset, as Qt requires.
    std::vector<int> rows_;
    std::vector<std::size_t> fingerprints_;
};

} // namespace bm::gui
