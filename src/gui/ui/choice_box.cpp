#include "gui/ui/choice_box.h"

#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace bm::gui {

void showChoice(QComboBox* box, const ui::Choice& choice) {
    const QSignalBlocker blocker(box);
    const auto entries = choice.entries();
    bool same = box->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < box->count(); ++i) {
        same = box->itemText(i) == toDisplay(entries[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        box->clear();
        for (const auto entry : entries) {
            box->addItem(toDisplay(entry));
        }
    }
    const bool other = choice.index() < 0;
    box->setPlaceholderText(other ? toDisplay(choice.text()) : QString());
    box->setAccessibleDescription(other ? toDisplay(choice.text()) : QString());
    box->setCurrentIndex(choice.index());
}

} // namespace bm::gui
