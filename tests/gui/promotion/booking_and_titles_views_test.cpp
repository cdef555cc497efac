#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "gui/promotion/step5_view.h"
#include "gui/promotion/step6_view.h"
#include "gui/ui/selection_bar.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace bm::gui {
namespace {

using promotion::TitleField;
using TitleList = promotion::TitleList;
using TitleBar = promotion::TitleBar;
namespace line = promotion::line;

// A promotion loaded from a file with values that no list or bar offers.
class BookingAndTitlesViewsTest : public test::GuiTest {
protected:
    promotion::PromotionRecord& record = app.editor().chooser.record();
    const line::TitleLines& custom = line::titles[4];

    void SetUp() override {
        platform::Lines lines = promotion::makeTemplateRecord().lines();
        lines[line::nameofbigshow] = "Autumn Overdrive";
        lines[line::levelofpromotion] = "5";
        lines[line::days] = "99";
        lines[custom.titlename] = "Harbour Tag Titles";
        lines[custom.titletype] = "Tag Team";
        lines[custom.titlegender] = "Mixed";
        lines[custom.mindraw] = "35";
        game.writeLines("Data/odd.fed", lines);
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Promotions));
        click(app.view<PromotionMenuView>().editButton);
        auto& chooser = app.view<PromotionChooserView>();
        const QRect first = chooser.list->visualItemRect(chooser.list->item(0));
        QTest::mouseClick(chooser.list->viewport(), Qt::LeftButton, {}, first.center());
        click(chooser.actionButton);
    }
    static void key(QWidget* w, Qt::Key k) {
        w->setFocus();
        QTest::keyClick(w, k);
    }
};

TEST_F(BookingAndTitlesViewsTest, StepFiveWiring) {
    Step5View& step5 = app.view<Step5View>();
    app.navigator().go(ui::Screen::Step5); // as step 4's "Next >>>" does
    ASSERT_TRUE(step5.isVisible());
    screenshot(&step5, "step5_odd_values");
    EXPECT_EQ(step5.level->placeholderText(), QStringLiteral("5"));
    EXPECT_EQ(std::tuple(step5.daysBar->value(), step5.days->text()),
              std::tuple(40, QStringLiteral("99")));
    EXPECT_EQ(labelledBy(step5.daysBar), QStringLiteral("Days Since Announced"));
    EXPECT_EQ(record.get(line::days), "99") << "shown, not written";

    key(step5.level, Qt::Key_Down);
    step5.daysBar->setValue(12); // as a drag does
    key(step5.daysBar, Qt::Key_Right);
    EXPECT_EQ(std::tuple(record.get(line::levelofpromotion), record.get(line::days)),
              std::tuple("1", "13"));
    dialogs.reply("None");
    click(step5.field(promotion::Step5Field::nameofbigshow));
    EXPECT_EQ(std::tuple(step5.daysBar->value(), step5.days->text()),
              std::tuple(0, QStringLiteral("0")));
    click(step5.nextButton);
    EXPECT_TRUE(app.view<Step6View>().isVisible());
}

TEST_F(BookingAndTitlesViewsTest, StepSixWiringAndTheCalculatorLink) {
    Step6View& step6 = app.view<Step6View>();
    app.navigator().go(ui::Screen::Step6);
    EXPECT_FALSE(step6.list(TitleList::titletype)->isEnabled());
    screenshot(&step6, "step6");
    click(step6.titles->item(4));
    EXPECT_TRUE(step6.list(TitleList::titletype)->isEnabled());
    EXPECT_EQ(step6.list(TitleList::titlegender)->placeholderText(), QStringLiteral("Mixed"));
    EXPECT_EQ(step6.barValue(TitleBar::mindraw)->text(), QStringLiteral("35"));
    EXPECT_EQ(record.get(custom.titlegender), "Mixed") << "shown, not written";
    screenshot(&step6, "step6_custom");
    // Tab runs in the visual order, each control named by its caption.
    QStringList chain;
    QWidget* w = step6.titles->item(4);
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->window() == &step6) {
            chain << (w->accessibleName().isEmpty() ? accessibleName(w) : w->accessibleName());
        }
        w = w->nextInFocusChain();
    } while (w != step6.titles->item(4));
    EXPECT_EQ(chain,
              (QStringList{"Custom 1", "Title Name", "Holder Name", "Type", "Value Of Title",
                           "Gender", "Weight Class", "Hardcore?", "Minimum Draw Of Holder", "Brand",
                           "Current Champion(s)", "Holder #1", "Holder #2", "Current Reign (Days)",
                           "Click Here To Calculate A Title Reign", "# Defenses So Far",
                           "Date Of Title Change", "<<< Back", "Next >>>"}));
    EXPECT_LE(step6.frameGeometry().height(), 768);

    key(step6.list(TitleList::titletype), Qt::Key_Up);
    key(step6.bar(TitleBar::mindraw), Qt::Key_Right);
    dialogs.reply("45 days");
    click(step6.field(TitleField::reign));
    EXPECT_EQ(std::tuple(record.get(custom.titletype), record.get(custom.mindraw),
                         record.get(custom.reign)),
              std::tuple("Singles", "36", "45"));

    // The calculator opens beside the step, which stays usable.
    key(step6.calculatorLink, Qt::Key_Return);
    EXPECT_TRUE(app.view<DateCalculatorView>().isVisible());
    dialogs.reply("None");
    click(step6.field(TitleField::titlename));
    EXPECT_EQ(record.get(custom.titlename), "");
    click(step6.titles->item(1));
    EXPECT_EQ(app.editor().step6.titles().selected(), 1);
    EXPECT_TRUE(app.view<DateCalculatorView>().isVisible());
}

} // namespace
} // namespace bm::gui
