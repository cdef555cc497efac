#include "gui/ui/qt_navigator.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace bm::gui {
namespace {

using ui::Screen;

TEST(QtNavigator, SideWindowsOpenBesideTheCallerWithoutCoveringIt) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        int callerWidth;
        int sideWidth;
        bool fitsSideBySide;
    } cases[] = {
        {area.width() / 4, area.width() / 4, true},      // room on the right
        {area.width() / 2, area.width() / 2 - 20, true}, // the caller has to move over
        {area.width() * 3 / 4, area.width() / 2, false}, // too wide for both
    };
    for (const auto& c : cases) {
        QtNavigator navigator;
        QWidget caller;
        QWidget side;
        caller.setFixedSize(c.callerWidth, 200);
        side.setFixedSize(c.sideWidth, 150);
        navigator.add(Screen::Step1, &caller);
        navigator.add(Screen::ImagePicker, &side);
        navigator.go(Screen::Step1);
        navigator.open(Screen::ImagePicker);
        ASSERT_TRUE(caller.isVisible() && side.isVisible());
        EXPECT_TRUE(area.contains(side.frameGeometry())) << c.sideWidth;
        EXPECT_TRUE(area.contains(caller.frameGeometry())) << c.callerWidth;
        EXPECT_EQ(!caller.frameGeometry().intersects(side.frameGeometry()), c.fitsSideBySide)
            << c.callerWidth << " + " << c.sideWidth;
        EXPECT_EQ(navigator.current(), Screen::Step1) << "a side window leaves the screen current";
    }
}

} // namespace
} // namespace bm::gui
