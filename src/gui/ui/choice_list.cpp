#include "gui/ui/choice_list.h"

#include "gui/ui/text_codec.h"

#include <QSignalBlocker>

namespace bm::gui {

void showChoiceList(QListWidget* list, const std::vector<std::string>& entries, int chosen) {
    const QSignalBlocker blocker(list);
    QStringList items;
    for (const auto& entry : entries) {
        items << toDisplay(entry);
    }
    // Refilling an unchanged list would lose the scroll position.
    bool same = list->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) {
        same = list->item(i)->text() == items[i];
    }
    if (!same) {
        list->clear();
        list->addItems(items);
    }
    if (chosen < 0 || chosen >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(chosen, QItemSelectionModel::ClearAndSelect);
    }
}

void onChoiceListChosen(QListWidget* list, QObject* context, std::function<void(int)> choose) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, context,
                     [list, choose = std::move(choose)] {
                         const auto selected = list->selectedItems();
                         choose(selected.isEmpty() ? -1 : list->row(selected.front()));
                     });
}

} // namespace bm::gui
