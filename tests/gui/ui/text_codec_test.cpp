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

// Opened by click, Enter or Space; a screen reader hears the caption and the
// value, which is data: an ampersand in it makes no shortcut.
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
