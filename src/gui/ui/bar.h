#pragma once

#include "core/ui/bar.h"

class QScrollBar;
class QWidget;

namespace bm::gui {

// A horizontal scroll bar for a ui::Bar: focusable, and Right, Up and the
// wheel turned up raise the value (Qt's default runs the other way). Connect
// valueChanged, which follows a drag as it happens.
QScrollBar* makeBar(const ui::Bar& bar, QWidget* parent);

// Shows the bar's position without announcing a change.
void showBar(QScrollBar* scrollBar, const ui::Bar& bar);

} // namespace bm::gui
