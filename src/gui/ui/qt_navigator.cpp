#include "gui/ui/qt_navigator.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace bm::gui {

void QtNavigator::add(ui::Screen screen, QWidget* window) {
    windows_[screen] = window;
}

QWidget* QtNavigator::window(ui::Screen screen) const {
    const auto it = windows_.find(screen);
    return it == windows_.end() ? nullptr : it->second.data();
}

bool QtNavigator::showScreen(ui::Screen screen) {
    QWidget* target = window(screen);
    if (!target) {
        return false;
    }
    const bool sideWindow =
        screen == ui::Screen::ImagePicker || screen == ui::Screen::DateCalculator;
    QWidget* from = current() ? window(*current()) : nullptr;
    if (from && from != target && from->isVisible() && !target->isVisible()) {
        target->adjustSize();
        QRect place = target->frameGeometry();
        if (sideWindow) {
            // Beside the calling screen, so both stay usable.
            place.moveTopLeft(from->frameGeometry().topRight() + QPoint(8, 0));
        } else {
            place.moveCenter(from->frameGeometry().center());
        }
        if (const QScreen* display = from->screen()) {
            const QRect area = display->availableGeometry();
            place.moveLeft(
                std::max(area.left(), std::min(place.left(), area.right() - place.width())));
            place.moveTop(
                std::max(area.top(), std::min(place.top(), area.bottom() - place.height())));
        }
        target->move(place.topLeft());
    } else if (!from && !target->isVisible()) {
        // The first window of the run: in the middle of the screen.
        if (const QScreen* display = QGuiApplication::primaryScreen()) {
            target->adjustSize();
            QRect place = target->frameGeometry();
            place.moveCenter(display->availableGeometry().center());
            target->move(place.topLeft());
        }
    }
    target->show();
    target->raise();
    target->activateWindow();
    return true;
}

void QtNavigator::hideScreen(ui::Screen screen) {
    if (QWidget* w = window(screen)) {
        w->hide();
    }
}

void QtNavigator::quitProgram() {
    QApplication::quit();
}

} // namespace bm::gui
