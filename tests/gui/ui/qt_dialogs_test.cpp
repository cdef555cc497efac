#include "gui/ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace bm::gui {
namespace {

// Acts on the modal dialog once it is up, as a user would.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

TEST(QtDialogs, PromptAndMessageBoxesShowTheirTextsAndGiveTheAnswer) {
    QtDialogs qtDialogs;
    ui::Dialogs& dialogs = qtDialogs;
    QStringList seen;
    whenModal([&](QWidget* w) {
        auto* prompt = qobject_cast<PromptDialog*>(w);
        ASSERT_NE(prompt, nullptr);
        seen << prompt->windowTitle() << prompt->findChild<QLabel*>()->text()
             << prompt->input()->text();
        prompt->input()->setText(QString::fromUtf8("Caf\u00e9 \u201cQ\u201d"));
        prompt->accept();
    });
    EXPECT_EQ(dialogs.prompt("Promotion Name", "Line one\r\nline two", "\xe9t\xe9"),
              "Caf\xe9 \x93Q\x94");
    EXPECT_EQ(seen.join('|'), QString::fromUtf8("Promotion Name|Line one\nline two|\u00e9t\u00e9"));
    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.prompt("t", "m", "kept"), "") << "Cancel gives an empty answer";

    std::tuple<QString, QMessageBox::Icon, QMessageBox::StandardButton> box; // and Enter's
    const auto answer = [&box](QMessageBox::StandardButton button) {
        whenModal([&box, button](QWidget* w) {
            auto* shown = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(shown, nullptr);
            box = {shown->windowTitle(), shown->icon(),
                   shown->standardButton(shown->defaultButton())};
            shown->button(button)->click();
        });
    };
    answer(QMessageBox::No);
    EXPECT_FALSE(
        dialogs.askYesNo("Sure?", ui::Icon::Exclamation, ui::kProgramTitle, ui::Default::No));
    EXPECT_EQ(box, std::tuple(QStringLiteral("BM 1.3 Official Editor"), QMessageBox::Warning,
                              QMessageBox::No));
    answer(QMessageBox::Ok);
    dialogs.message("Oops", ui::Icon::Critical, "Error!");
    EXPECT_EQ(std::get<0>(box) + "|" + QString::number(std::get<1>(box)),
              "Error!|" + QString::number(QMessageBox::Critical));
}

TEST(QtDialogs, BusyPointerLastsAsLongAsItsHolder) {
    QtDialogs dialogs;
    {
        const auto busy = dialogs.busy();
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace bm::gui
