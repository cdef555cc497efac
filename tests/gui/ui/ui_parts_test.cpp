#include "gui/gui_fixture.h"

#include "gui/ui/qt_dialogs.h"
#include "gui/ui/qt_navigator.h"
#include "gui/ui/text_codec.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

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

TEST(QtDialogs, PromptMessageBoxesAndBusyPointer) {
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
    EXPECT_EQ(box,
              std::tuple(QStringLiteral("Error!"), QMessageBox::Critical, QMessageBox::NoButton));
    {
        const auto busy = dialogs.busy(); // the busy pointer lasts as long as its holder
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtNavigator, SideWindowsOpenBesideTheCallerWithoutCoveringIt) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int width = area.width();
    const struct {
        int callerWidth;
        int sideWidth;
        bool sideBySide;
    } cases[] = {
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

// A byte is its Windows-1252 character; what that cannot hold becomes "?".
TEST(TextCodec, EveryByteSurvivesDisplayAndReentry) {
    QLineEdit edit;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == '\r' || byte == '\n') {
            continue; // a field holds one line
        }
        const std::string text{'<', static_cast<char>(byte), '>'};
        edit.setText(toDisplay(text));
        EXPECT_EQ(toBytes(edit.text()), text) << byte;
    }
    // 0x80 to 0x9F, where Windows-1252 differs from Latin-1.
    EXPECT_EQ(toDisplay(test::everyByteButLineEnds().substr(0x80 - 2, 32)),
              QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
    EXPECT_EQ(toBytes(QString::fromUtf8("Ωx😀")), "?x?");
    EXPECT_EQ(toDisplayText("a\r\nb"), QStringLiteral("a\nb"));
}

} // namespace
} // namespace bm::gui
