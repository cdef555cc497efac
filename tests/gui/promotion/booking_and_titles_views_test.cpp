#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "gui/promotion/step5_view.h"
#include "gui/promotion/step6_view.h"
#include "gui/ui/selection_bar.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace bm::gui {
namespace {

using promotion::Step5Field;
using promotion::TitleField;
using TitleList = promotion::TitleList;
using TitleBar = promotion::TitleBar;
namespace line = promotion::line;

// Loaded from a file with values no list or bar offers, then edited.
class BookingAndTitlesViewsTest : public test::GuiTest {
protected:
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        platform::Lines lines = promotion::makeTemplateRecord().lines();
        lines[line::nameofbigshow] = "Autumn Overdrive";
        lines[line::levelofpromotion] = "5";
        lines[line::dateofshow] = "Sunday 26th September 2004";
        lines[line::days] = "99";
        const auto& custom = line::titles[4];
        lines[custom.titlename] = "Harbour Tag Titles";
        lines[custom.titletype] = "Tag Team";
        lines[custom.titlevalue] = "72";
        lines[custom.titlegender] = "Mixed";
        lines[custom.mindraw] = "35";
        lines[custom.champ1] = "Cole Rust";
        game.writeLines("Data/odd.fed", lines);
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Promotions));
        click(app.view<PromotionMenuView>().editButton);
        auto& chooser = app.view<PromotionChooserView>();
        const QRect first = chooser.list->visualItemRect(chooser.list->item(0));
        QTest::mouseClick(chooser.list->viewport(), Qt::LeftButton, {}, first.center());
        click(chooser.actionButton);
        ASSERT_TRUE(app.view<Step1View>().isVisible());
    }
    // The names Tab walks through from `first`, once round the window (a
    // drop-down's own name on Linux is its entry; its caption names it).
    static QStringList tabChain(QWidget* first) {
        QStringList chain;
        QWidget* w = first;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
                w->window() == first->window()) {
                chain << (w->accessibleName().isEmpty() ? accessibleName(w) : w->accessibleName());
            }
            w = w->nextInFocusChain();
        } while (w != first && chain.size() < 40);
        return chain;
    }
};

TEST_F(BookingAndTitlesViewsTest, StepFiveWiring) {
    Step5View& step5 = app.view<Step5View>();
    app.navigator().go(ui::Screen::Step5);
    ASSERT_TRUE(step5.isVisible());
    screenshot(&step5, "step5_odd_values");
    EXPECT_EQ(step5.heading->text(), QStringLiteral("Step 5 of 8"));
    EXPECT_TRUE(step5.explanation->text().startsWith("This is where you can enter details"));
    EXPECT_EQ(step5.field(Step5Field::nameofbigshow)->value(), QStringLiteral("Autumn Overdrive"));
    EXPECT_EQ(step5.level->placeholderText(), QStringLiteral("5"));
    EXPECT_EQ(std::tuple(step5.daysBar->value(), step5.days->text()),
              std::tuple(40, QStringLiteral("99")));
    EXPECT_EQ(labelledBy(step5.level), QStringLiteral("Level Of Promotion"));
    EXPECT_EQ(labelledBy(step5.daysBar), QStringLiteral("Days Since Announced"));
    EXPECT_EQ(tabChain(step5.field(Step5Field::nameofbigshow)),
              (QStringList{"Name Of Big Show", "Level Of Promotion", "Date Of Big Show",
                           "Days Since Announced", "<<< Back", "Next >>>"}));
    EXPECT_EQ(record.get(line::days), "99") << "shown, not written";

    step5.level->setFocus();
    QTest::keyClick(step5.level, Qt::Key_Down);
    EXPECT_EQ(record.get(line::levelofpromotion), "1");
    step5.daysBar->setValue(12); // as a drag does
    QTest::keyClick(step5.daysBar, Qt::Key_Right);
    EXPECT_EQ(std::tuple(record.get(line::days), step5.days->text()),
              std::tuple("13", QStringLiteral("13")));
    dialogs.reply("None");
    click(step5.field(Step5Field::nameofbigshow));
    EXPECT_EQ(std::tuple(step5.level->currentText(), step5.daysBar->value(), step5.days->text()),
              std::tuple(QStringLiteral("Basic"), 0, QStringLiteral("0")));
    EXPECT_EQ(record.get(line::days), "0");
    screenshot(&step5, "step5");
    click(step5.nextButton);
    EXPECT_TRUE(app.view<Step6View>().isVisible());
}

TEST_F(BookingAndTitlesViewsTest, StepSixWiringAndTheCalculatorLink) {
    Step6View& step6 = app.view<Step6View>();
    app.navigator().go(ui::Screen::Step6);
    ASSERT_TRUE(step6.isVisible());
    EXPECT_EQ(step6.heading->text(), QStringLiteral("Step 6 of 8"));
    EXPECT_EQ(step6.hint->text(), QStringLiteral("Click on a title belt to edit..."));
    EXPECT_EQ(step6.titles->item(7)->text(), QStringLiteral("Custom 4"));
    EXPECT_FALSE(step6.list(TitleList::titletype)->isEnabled());
    EXPECT_EQ(step6.field(TitleField::titlename)->value(),
              QStringLiteral("World Heavyweight Title"));
    screenshot(&step6, "step6_new");

    click(step6.titles->item(4));
    EXPECT_TRUE(step6.list(TitleList::titletype)->isEnabled());
    EXPECT_EQ(step6.list(TitleList::titletype)->currentText(), QStringLiteral("Tag Team"));
    EXPECT_EQ(step6.list(TitleList::titlegender)->placeholderText(), QStringLiteral("Mixed"));
    EXPECT_EQ(std::tuple(step6.bar(TitleBar::titlevalue)->value(),
                         step6.barValue(TitleBar::titlevalue)->text()),
              std::tuple(72, QStringLiteral("72%")));
    EXPECT_EQ(step6.field(TitleField::champ2)->value(), QStringLiteral("None"));
    screenshot(&step6, "step6_loaded_custom");
    EXPECT_EQ(tabChain(step6.titles->item(4)),
              (QStringList{"Custom 1", "Title Name", "Holder Name", "Type", "Value Of Title",
                           "Gender", "Weight Class", "Hardcore?", "Minimum Draw Of Holder", "Brand",
                           "Current Champion(s)", "Holder #1", "Holder #2", "Current Reign (Days)",
                           "Click Here To Calculate A Title Reign", "# Defenses So Far",
                           "Date Of Title Change", "<<< Back", "Next >>>"}));
    EXPECT_EQ(labelledBy(step6.bar(TitleBar::mindraw)), QStringLiteral("Minimum Draw Of Holder"));
    EXPECT_LE(step6.frameGeometry().width(), 1366);
    EXPECT_LE(step6.frameGeometry().height(), 768);

    const auto& custom = line::titles[4];
    step6.list(TitleList::titletype)->setFocus();
    QTest::keyClick(step6.list(TitleList::titletype), Qt::Key_Up);
    step6.bar(TitleBar::mindraw)->setFocus();
    QTest::keyClick(step6.bar(TitleBar::mindraw), Qt::Key_Right);
    EXPECT_EQ(std::tuple(record.get(custom.titletype), record.get(custom.mindraw)),
              std::tuple("Singles", "36"));
    dialogs.reply("45 days");
    click(step6.field(TitleField::reign));
    EXPECT_EQ(record.get(custom.reign), "45");

    // The calculator opens beside the step, which stays usable.
    EXPECT_EQ(accessibleName(step6.calculatorLink),
              QStringLiteral("Click Here To Calculate A Title Reign"));
    QTest::keyClick(step6.calculatorLink, Qt::Key_Return);
    auto& calculator = app.view<DateCalculatorView>();
    EXPECT_TRUE(calculator.isVisible());
    EXPECT_TRUE(step6.isVisible());
    dialogs.reply("None");
    click(step6.field(TitleField::titlename));
    EXPECT_EQ(std::tuple(record.get(custom.titlename), record.get(custom.titletype),
                         step6.field(TitleField::titlename)->value()),
              std::tuple("", "Singles", QStringLiteral("None")));
    click(step6.titles->item(1));
    EXPECT_EQ(app.editor().step6.titles().selected(), 1);
    EXPECT_TRUE(calculator.isVisible());
}

} // namespace
} // namespace bm::gui
