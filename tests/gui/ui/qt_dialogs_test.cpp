#include "gui/ui/qt_dialogs.h"

#include "gui/ui/text_codec.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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

TEST(QtDialogs, PromptShowsTitleMessageDefaultAndReturnsTheStoredBytes) {
    QtDialogs dialogs;
    QString seenTitle;
    QString seenDefault;
    QString seenMessage;
    whenModal([&](QWidget* w) {
        auto* prompt = qobject_cast<PromptDialog*>(w);
        ASSERT_NE(prompt, nullptr);
        seenTitle = prompt->windowTitle();
        seenDefault = prompt->input()->text();
        seenMessage = prompt->findChild<QLabel*>()->text();
        prompt->input()->setText(QString::fromUtf8("Caf\u00e9 \u201cQ\u201d"));
        prompt->accept();
    });
    const std::string answer =
        dialogs.prompt("Promotion Name", "Line one\r\nline two", "\xe9t\xe9");
    EXPECT_EQ(answer, "Caf\xe9 \x93Q\x94");
    EXPECT_EQ(seenTitle, QStringLiteral("Promotion Name"));
    EXPECT_EQ(seenDefault, QString::fromUtf8("\u00e9t\u00e9"));
    EXPECT_EQ(seenMessage, QStringLiteral("Line one\nline two"));

    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.prompt("t", "m", "kept"), "") << "Cancel gives an empty answer";
}

TEST(QtDialogs, MessageBoxesCarryTitleIconAndAnswer) {
    QtDialogs qtDialogs;
    ui::Dialogs& dialogs = qtDialogs;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QAbstractButton* enterGives = nullptr;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        icon = box->icon();
        enterGives = box->defaultButton();
        EXPECT_EQ(enterGives, box->button(QMessageBox::No));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(
        dialogs.askYesNo("Sure?", ui::Icon::Exclamation, ui::kProgramTitle, ui::Default::No));
    EXPECT_NE(enterGives, nullptr);
    EXPECT_EQ(title, QStringLiteral("BM 1.3 Official Editor"));
    EXPECT_EQ(icon, QMessageBox::Warning);

    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message("Oops", ui::Icon::Critical, "Error!");
    EXPECT_EQ(title, QStringLiteral("Error!"));
    EXPECT_EQ(icon, QMessageBox::Critical);
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
