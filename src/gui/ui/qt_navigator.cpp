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

namespace {

QRect keptInside(QRect place, const QRect& area) {
    if (area.isValid()) {
        place.moveLeft(std::max(area.left(), std::min(place.left(), area.right() - place.width())));
        place.moveTop(std::max(area.top(), std::min(place.top(), area.bottom() - place.height())));
    }
    return place;
}

// A side window goes to the right of the calling screen, or to its left;
// when neither side has room, the calling screen moves over so both show
// side by side if the screen is wide enough for the two.
void placeBeside(QWidget* side, QWidget* caller, const QRect& area) {
    constexpr int kGap = 8;
    QRect from = caller->frameGeometry();
    // A hidden window's frame is not known yet; it will be like the caller's.
    QRect place(side->pos(), side->size() + (from.size() - caller->size()));
    const bool fitsRight = !area.isValid() || from.right() + kGap + place.width() <= area.right();
    const bool fitsLeft = area.isValid() && from.left() - kGap - place.width() >= area.left();
    if (!fitsRight && !fitsLeft && area.isValid() &&
        from.width() + kGap + place.width() <= area.width()) {
        const int left = area.left() + (area.width() - from.width() - kGap - place.width()) / 2;
        caller->move(caller->pos() + QPoint(left - from.left(), 0));
        from = caller->frameGeometry();
    }
    if (fitsLeft && !fitsRight) {
        place.moveTopRight(from.topLeft() - QPoint(kGap, 0));
    } else {
        place.moveTopLeft(from.topRight() + QPoint(kGap, 0));
    }
    side->move(keptInside(place, area).topLeft());
}

} // namespace

bool QtNavigator::showScreen(ui::Screen screen) {
    QWidget* target = window(screen);
    if (!target) {
        return false;
    }
    const bool sideWindow = ui::isSideWindow(screen);
    QWidget* from = current() ? window(*current()) : nullptr;
    if (from && from != target && from->isVisible() && !target->isVisible()) {
        target->adjustSize();
        const QRect area = from->screen() ? from->screen()->availableGeometry() : QRect();
        if (sideWindow) {
            placeBeside(target, from, area);
        } else {
            QRect place = target->frameGeometry();
            place.moveCenter(from->frameGeometry().center());
            target->move(keptInside(place, area).topLeft());
        }
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
    quitting_ = true;
    QApplication::quit();
}

} // namespace bm::gui
