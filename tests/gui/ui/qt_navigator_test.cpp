#include "gui/ui/qt_navigator.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace bm::gui {
namespace {

TEST(QtNavigator, SideWindowsOpenBesideTheCallerWithoutCoveringIt) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int width = area.width();
    const struct {
        int callerWidth;
        int sideWidth;
        bool sideBySide;
    } cases[] = {
        {width / 4, width / 4, true},      // room on the right
        {width / 2, width / 2 - 20, true}, // the caller has to move over
        {width * 3 / 4, width / 2, false}, // too wide for both
    };
    for (const auto& c : cases) {
        QtNavigator navigator;
        QWidget caller;
        QWidget side;
        caller.setFixedSize(c.callerWidth, 200);
        side.setFixedSize(c.sideWidth, 150);
        navigator.add(ui::Screen::Step1, &caller);
        navigator.add(ui::Screen::ImagePicker, &side);
        navigator.go(ui::Screen::Step1);
        navigator.open(ui::Screen::ImagePicker);
        ASSERT_TRUE(caller.isVisible() && side.isVisible());
        EXPECT_TRUE(area.contains(side.frameGeometry()) && area.contains(caller.frameGeometry()));
        EXPECT_EQ(!caller.frameGeometry().intersects(side.frameGeometry()), c.sideBySide)
            << c.callerWidth << " + " << c.sideWidth;
        EXPECT_EQ(navigator.current(), ui::Screen::Step1) << "a side window leaves it current";
    }
}

} // namespace
} // namespace bm::gui
