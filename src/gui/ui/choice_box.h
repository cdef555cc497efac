#pragma once

#include "core/ui/choice.h"

class QComboBox;

namespace bm::gui {

// Copies a choice list's state into a drop-down without "choosing" anything:
// its entries, the shown entry, or a stored value that is no entry shown in
// place of one (and told to screen readers).
void showChoice(QComboBox* box, const ui::Choice& choice);

} // namespace bm::gui
