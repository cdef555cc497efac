#include "gui/roster/roster_grid_model.h"

#include "gui/ui/text_codec.h"

#include <functional>
#include <string_view>

namespace bm::gui {
namespace {

std::string_view cellOf(const roster::WrestlerRecord& record, int column) {
    return column == roster::kNameColumn ? record.names() : record.promotion();
}

} // namespace

RosterGridModel::RosterGridModel(const roster::RosterScreen& screen, QObject* parent)
    : QAbstractTableModel(parent), screen_(screen) {
    refresh();
}

int RosterGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RosterGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant RosterGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    // A wrestler deleted in the stat editor is gone before the list is
    // refilled; its row then reads empty rather than outside the roster.
    const auto entry = static_cast<std::size_t>(rows_[static_cast<std::size_t>(index.row())]);
    const auto& roster = screen_.roster();
    return entry < roster.size() ? toDisplay(cellOf(roster[entry], index.column())) : QString();
}

QVariant RosterGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return toDisplay(section == roster::kNameColumn ? roster::kNameHeader
                                                    : roster::kPromotionHeader);
}

std::size_t RosterGridModel::fingerprint(int entry) const {
    const auto& roster = screen_.roster();
    if (static_cast<std::size_t>(entry) >= roster.size()) {
        return 0;
    }
    const auto& record = roster[static_cast<std::size_t>(entry)];
    const std::hash<std::string_view> hash;
    return hash(record.names()) * 31 + hash(record.promotion());
}

void RosterGridModel::refresh() {
    const std::vector<int>& rows = screen_.rows();
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        fingerprints_.resize(rows_.size());
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            fingerprints_[r] = fingerprint(rows_[r]);
        }
        endResetModel();
        return;
    }
    // The same wrestlers in the same order: an edited wrestler, or a
    // promotion renamed, changes only its own rows.
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const std::size_t now = fingerprint(rows_[r]);
        if (now != fingerprints_[r]) {
            fingerprints_[r] = now;
            const int row = static_cast<int>(r);
            Q_EMIT dataChanged(index(row, 0), index(row, 1), {Qt::DisplayRole});
        }
    }
}

} // namespace bm::gui
