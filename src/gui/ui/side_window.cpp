#include "gui/ui/side_window.h"

#include "gui/ui/text_codec.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace bm::gui {

SideWindowView::SideWindowView(ui::Screen screen, std::string_view title, QWidget* parent)
    : QWidget(parent, Qt::Window), screen_(screen) {
    Q_ASSERT(ui::isSideWindow(screen));
    setWindowTitle(toDisplay(title));
}

void SideWindowView::keyPressEvent(QKeyEvent* event) {
    // As in a dialog; an open drop-down takes its Escape first.
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SideWindowView::closeEvent(QCloseEvent* event) {
    // The model hides the window itself; a hidden one has nothing to cancel.
    event->ignore();
    if (isVisible()) {
        cancel();
    }
}

} // namespace bm::gui
