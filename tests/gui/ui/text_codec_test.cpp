#include "gui/ui/text_codec.h"

#include "gui/ui/value_field.h"
#include "support/temp_game_folder.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace bm::gui {
namespace {

// Each byte is the Windows-1252 character, in a field and back; what that
// cannot hold becomes "?".
TEST(TextCodec, ShowsWindows1252AndKeepsEveryByte) {
    const std::string bytes = test::everyByteButLineEnds();
    QLineEdit edit;
    edit.setText(toDisplay(bytes));
    EXPECT_EQ(toBytes(edit.text()), bytes);
    // 0x80 to 0x9F, where Windows-1252 differs from Latin-1.
    EXPECT_EQ(toDisplay(bytes.substr(0x80 - 2, 32)),
              QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
    EXPECT_EQ(toDisplay("caf\xe9"), QString::fromUtf8("café"));
    EXPECT_EQ(toBytes(QString::fromUtf8("Ωx😀")), "?x?");
    EXPECT_EQ(toDisplayText("a\r\nb"), QStringLiteral("a\nb"));
}

TEST(ValueField, OpensByClickEnterOrSpaceAndAnnouncesCaptionAndValue) {
    ValueField field(QStringLiteral("Promotion Name"));
    field.setValue(QStringLiteral("Northern Grapplers"));
    field.show();
    QSignalSpy opened(&field, &QAbstractButton::clicked);
    QTest::mouseClick(&field, Qt::LeftButton);
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClick(&field, Qt::Key_Enter);
    QTest::keyClick(&field, Qt::Key_Space);
    EXPECT_EQ(opened.count(), 4);
    EXPECT_EQ(field.focusPolicy(), Qt::StrongFocus);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&field);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Promotion Name"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("Northern Grapplers"));
    // A value is data: an ampersand in it is shown and makes no shortcut.
    field.setValue(QStringLiteral("Tom & Jerry"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("Tom & Jerry"));
    EXPECT_TRUE(field.shortcut().isEmpty());
    field.setEnabled(false);
    QTest::mouseClick(&field, Qt::LeftButton);
    EXPECT_EQ(opened.count(), 4) << "a disabled field does not open";
}

} // namespace
} // namespace bm::gui
