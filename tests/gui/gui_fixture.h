#pragma once

#include "gui/app/gui_app.h"
#include "gui/calendar/date_calculator_view.h"
#include "gui/context/editing_menu_view.h"
#include "gui/context/image_picker_view.h"
#include "gui/context/scenario_info_view.h"
#include "gui/context/start_date_view.h"
#include "gui/context/start_screen_view.h"
#include "gui/promotion/promotion_chooser_view.h"
#include "gui/promotion/promotion_menu_view.h"
#include "gui/promotion/step1_view.h"
#include "gui/roster/roster_screen_view.h"
#include "gui/roster/stat_editor_view.h"
#include "gui/venues/venue_editor_view.h"
#include "support/scripted_dialogs.h"
#include "support/temp_game_folder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// gtest shows a QString as its text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace bm::test {

// The real views over the real models, scripted dialogs, a temporary folder.
class GuiTest : public testing::Test {
protected:
    TempGameFolder game;
    ScriptedDialogs dialogs;
    gui::GuiApp app{dialogs};

    // Starts on new game data and opens a screen from its menu.
    void openFromMenu(context::MenuButton button) {
        ASSERT_TRUE(app.start());
        click(app.view<gui::StartScreenView>().newGameButton);
        click(app.view<gui::EditingMenuView>().button(button));
    }
    static void click(QAbstractButton* button) {
        ASSERT_TRUE(button->isVisible()) << button->text().toStdString();
        ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void clickRow(QAbstractItemView* view, int row, int column = 0) {
        const QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    static void key(QWidget* w, Qt::Key k) {
        w->setFocus();
        QTest::keyClick(w, k);
    }
    static QString accessibleName(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    }
    // The label that names a control (its buddy): how Linux announces a drop-down.
    static QString labelledBy(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const auto labels = a ? a->relations(QAccessible::Label) : decltype(a->relations()){};
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    // What Tab visits, as screen readers name it: by caption label, else a
    // button by its name, else its own name in brackets (item views ignore buddies).
    static QString tabOrder(QWidget* window) {
        QStringList names;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() &&
                w->window() == window) {
                const QString label = labelledBy(w);
                names << (!label.isEmpty()                ? label
                          : qobject_cast<QPushButton*>(w) ? accessibleName(w)
                                                          : "[" + accessibleName(w) + "]");
            }
        }
        return names.join('|');
    }
    // The window fits the smallest screen; saved into BM_SCREENSHOT_DIR if set.
    static void screenshot(QWidget* w, const QString& name) {
        EXPECT_LE(w->frameGeometry().width(), 1366) << name.toStdString();
        EXPECT_LE(w->frameGeometry().height(), 768) << name.toStdString();
        const QString dir = qEnvironmentVariable("BM_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            w->grab().save(dir + "/" + name + ".png");
        }
    }
};

} // namespace bm::test
