#include "gui/gui_fixture.h"

#include "gui/ui/qt_dialogs.h"
#include "gui/ui/qt_navigator.h"
#include "gui/ui/selection_bar.h"
#include "gui/ui/text_codec.h"
#include "gui/ui/value_field.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <array>
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

// Tab enters at the selection; its colours and screen readers show the model's.
using SelectionBarTest = test::GuiTest;

TEST_F(SelectionBarTest, ClicksAndKeysSelectAndTheSelectionIsSeenAndHeard) {
    static constexpr std::array<std::string_view, 3> kTitles{"Custom 1", "Custom 2", "Custom 3"};
    ui::Selection titles(kTitles);
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("before"), &window);
    auto* bar = new SelectionBar(titles, 2, &window);
    bar->move(0, 40);
    std::vector<int> asked;
    bar->onSelect(bar, [&](int i) {
        asked.push_back(i);
        titles.select(i);
        bar->showSelection(titles);
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(bar->item(2), Qt::LeftButton);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(bar->item(2)->hasFocus()) << "Tab enters at the selected caption";
    QTest::keyClick(bar->item(2), Qt::Key_Left);
    EXPECT_EQ(titles.selected(), 2) << "moving is not selecting";
    QTest::keyClick(bar->item(1), Qt::Key_Space);
    QTest::keyClick(bar->item(1), Qt::Key_Up);
    QTest::keyClick(bar->item(0), Qt::Key_Up); // the first: stays
    QTest::keyClick(bar->item(0), Qt::Key_Return);
    EXPECT_EQ(asked, (std::vector<int>{2, 1, 0}));

    screenshot(bar, "selection_bar");
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(bar->item(i));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(
            std::tuple(a->text(QAccessible::Name), a->role(), a->state().checked),
            std::tuple(QString::fromLatin1(kTitles[i].data()), QAccessible::RadioButton, i == 0));
        EXPECT_EQ(bar->item(i)->grab().toImage().pixelColor(1, 1),
                  QColor(i == 0 ? 0xFFFFFF : 0xC0C0C0));
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
    EXPECT_EQ(toDisplay("caf\xe9"), QString::fromUtf8("café"));
    EXPECT_EQ(toBytes(QString::fromUtf8("Ωx😀")), "?x?");
    EXPECT_EQ(toDisplayText("a\r\nb"), QStringLiteral("a\nb"));
}

// A value is data: an ampersand in it makes no shortcut.
TEST(ValueField, OpensByClickEnterOrSpaceAndAnnouncesCaptionAndValue) {
    ValueField field(QStringLiteral("Promotion Name"));
    field.setValue(QStringLiteral("Tom & Jerry"));
    field.show();
    QSignalSpy opened(&field, &QAbstractButton::clicked);
    QTest::mouseClick(&field, Qt::LeftButton);
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(&field, k);
    }
    field.setEnabled(false);
    QTest::mouseClick(&field, Qt::LeftButton);
    EXPECT_EQ(opened.count(), 4) << "a disabled field does not open";
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&field);
    EXPECT_EQ(a->text(QAccessible::Name) + "|" + a->text(QAccessible::Description),
              QStringLiteral("Promotion Name|Tom & Jerry"));
    EXPECT_TRUE(field.shortcut().isEmpty());
}

} // namespace
} // namespace bm::gui
