#include "gui/ui/bar.h"

#include <QScrollBar>
#include <QSignalBlocker>

namespace bm::gui {

QScrollBar* makeBar(const ui::Bar& bar, QWidget* parent) {
    auto* scrollBar = new QScrollBar(Qt::Horizontal, parent);
    scrollBar->setRange(bar.min(), bar.max());
    scrollBar->setSingleStep(1);
    scrollBar->setPageStep(std::max(1, (bar.max() - bar.min()) / 10));
    scrollBar->setFocusPolicy(Qt::StrongFocus);
    scrollBar->setInvertedControls(false);
    scrollBar->setMinimumWidth(160);
    return scrollBar;
}

void showBar(QScrollBar* scrollBar, const ui::Bar& bar) {
    const QSignalBlocker blocker(scrollBar);
    scrollBar->setValue(bar.position());
}

} // namespace bm::gui
