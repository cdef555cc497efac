#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "gui/promotion/step2_view.h"
#include "gui/promotion/step3_view.h"
#include "gui/promotion/step4_view.h"
#include "gui/promotion/step5_view.h"
#include "gui/promotion/step6_view.h"
#include "gui/promotion/step7_view.h"
#include "gui/promotion/step8_view.h"
#include "gui/ui/selection_bar.h"
#include "support/step_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <tuple>

namespace bm::gui {
namespace {

using promotion::BigShowField;
using promotion::Step2Field;
using promotion::Step7Field;
using promotion::Step8Field;
using promotion::TitleBar;
using promotion::TitleField;
using promotion::TitleList;
namespace line = promotion::line;

// Steps 2 to 8 on the promotion menu of a new game. Each test checks that a
// step's controls show its model and pass every kind of edit on; what the
// edits do is the step's own tests' business.
class StepViewsTest : public test::GuiTest {
protected:
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        game.write("Images/crest.gif", "x");
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Promotions));
    }
    // Creates "bmf.fed" and goes on to the step, as its Next buttons would.
    void create(ui::Screen step) {
        dialogs.reply("bmf.fed");
        click(app.view<PromotionMenuView>().createButton);
        app.navigator().go(step);
        dialogs.clear();
    }
    // Edits "odd.fed", the template with these lines changed, at the step.
    void load(const test::LineChanges& changes, ui::Screen step) {
        game.writeLines("Data/odd.fed",
                        test::withLines(promotion::makeTemplateRecord().lines(), changes));
        click(app.view<PromotionMenuView>().editButton);
        auto& chooser = app.view<PromotionChooserView>();
        const QRect first = chooser.list->visualItemRect(chooser.list->item(0));
        QTest::mouseClick(chooser.list->viewport(), Qt::LeftButton, {}, first.center());
        click(chooser.actionButton);
        app.navigator().go(step);
    }
    static void key(QWidget* w, Qt::Key k) {
        w->setFocus();
        QTest::keyClick(w, k);
    }
    // What Tab reaches from `start` round the window, each control named as
    // screen readers hear it: every one but a plain button by its caption
    // label. The window fits the smallest screen.
    static std::string tabChain(QWidget* start) {
        QStringList chain;
        QWidget* w = start;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
                w->window() == start->window()) {
                const QString name = w->accessibleName(); // a drop-down's is its caption
                chain << (name.isEmpty() ? accessibleName(w) : name);
                if (!qobject_cast<QAbstractButton*>(w) || qobject_cast<ValueField*>(w)) {
                    EXPECT_EQ(labelledBy(w).toStdString(), name.toStdString());
                }
            }
            w = w->nextInFocusChain();
        } while (w != start && chain.size() < 40);
        EXPECT_LE(start->window()->frameGeometry().width(), 1366);
        EXPECT_LE(start->window()->frameGeometry().height(), 768);
        return chain.join(" | ").toStdString();
    }
};

TEST_F(StepViewsTest, StepTwoWiring) {
    Step2View& step2 = app.view<Step2View>();
    create(ui::Screen::Step1);
    click(app.view<Step1View>().nextButton);
    ASSERT_TRUE(step2.isVisible());
    EXPECT_EQ(tabChain(step2.shows->item(0)),
              "Primary Show 1 | Name Of Show | Day Of This Show | Show Logo | Choose the show logo "
              "| Brand Of Show | Type Of Show | Fan Popularity | Av. TV Rating/Buys | <<< Back | "
              "Next >>>");
    screenshot(&step2, "step2_new");
    click(step2.shows->item(1));
    EXPECT_EQ(step2.field(Step2Field::nameofshow)->value(), QStringLiteral("None"));

    step2.popularity->setSliderDown(true); // a drag stores as it goes
    step2.popularity->setSliderPosition(64);
    EXPECT_EQ(record.get(line::shows[1].percentage), "64");
    EXPECT_EQ(step2.percentage->text(), QStringLiteral("64%"));
    key(step2.showday, Qt::Key_Down);
    key(step2.showbrand, Qt::Key_Down);
    key(step2.showtype, Qt::Key_Down); // TV without coverage: refused, left shown
    EXPECT_EQ(step2.showtype->currentText(), QStringLiteral("TV"));
    EXPECT_EQ(std::tuple(record.get(line::shows[1].showday), record.get(line::shows[1].showbrand),
                         record.get(line::shows[1].showtype)),
              std::tuple("Tuesday", "Brand 1", "House"));
    dialogs.reply("Iron Hour");
    click(step2.field(Step2Field::nameofshow));
    EXPECT_EQ(record.get(line::shows[1].nameofshow), "Iron Hour");
    click(step2.logoButton);
    click(app.view<ImagePickerView>().useButton);
    EXPECT_EQ(step2.showlogo->value(), QStringLiteral("crest.gif"));
    click(step2.nextButton);
    EXPECT_TRUE(app.view<Step3View>().isVisible());
}

TEST_F(StepViewsTest, StepThreeWiring) {
    Step3View& step3 = app.view<Step3View>();
    create(ui::Screen::Step3);
    dialogs.reply("7500 fans");
    click(step3.field(promotion::Step3Field::tvatt));
    EXPECT_EQ(step3.field(promotion::Step3Field::tvatt)->value(), QStringLiteral("7500"));
    EXPECT_EQ(tabChain(step3.field(promotion::Step3Field::untvatt)),
              "Max Untelevised Attendence | Max Televised Attendence | Production Values - "
              "Primary Shows | Production Values - Secondary Shows | Production Values - Big "
              "Shows | <<< Back | Next >>>");
    key(step3.production(promotion::Production::secondaryprod), Qt::Key_Down);
    key(step3.production(promotion::Production::bigshowprod), Qt::Key_End);
    EXPECT_EQ(std::tuple(record.get(line::secondaryprod), record.get(line::bigshowprod)),
              std::tuple("2", "20"));
    screenshot(&step3, "step3");
    click(step3.backButton);
    EXPECT_TRUE(app.view<Step2View>().isVisible());
}

TEST_F(StepViewsTest, StepFourWiring) {
    Step4View& step4 = app.view<Step4View>();
    create(ui::Screen::Step4);
    ASSERT_TRUE(step4.isVisible());
    EXPECT_EQ(tabChain(step4.ppvdeal),
              "Monthly PPV Deal? | Av. PPV Buy-Rate | Max Big Show Attendence | Jan | Big Show "
              "Name | Big Show Brand | Big Show Logo | Choose the big show logo | <<< Back | Next "
              ">>>");
    screenshot(&step4, "step4_new");
    click(step4.months->item(2));
    dialogs.reply("Spring Slam");
    click(step4.field(BigShowField::bigshowname));
    key(step4.bigshowbrand, Qt::Key_Down);
    key(step4.ppvdeal, Qt::Key_Up);
    EXPECT_EQ(std::tuple(record.get(line::months[2].bigshowname),
                         record.get(line::months[2].bigshowbrand), record.get(line::ppvdeal)),
              std::tuple("Spring Slam", "Brand 1", "Yes"));
    click(step4.logoButton);
    EXPECT_EQ(app.view<ImagePickerView>().heading->text(), QStringLiteral("March Big Show Logo"));
    click(step4.backButton); // leaving closes the picker unanswered
    EXPECT_FALSE(app.view<ImagePickerView>().isVisible());
    EXPECT_EQ(record.get(line::months[2].bigshowlogo), "NA");
}

// Values that no list or bar offers are shown as stored, and not written.
TEST_F(StepViewsTest, StepFiveWiring) {
    Step5View& step5 = app.view<Step5View>();
    load({{line::nameofbigshow, "Autumn Overdrive"},
          {line::levelofpromotion, "5"},
          {line::days, "99"}},
         ui::Screen::Step5);
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

TEST_F(StepViewsTest, StepSixWiringAndTheCalculatorLink) {
    Step6View& step6 = app.view<Step6View>();
    const line::TitleLines& custom = line::titles[4];
    load({{custom.titlename, "Harbour Tag Titles"},
          {custom.titletype, "Tag Team"},
          {custom.titlegender, "Mixed"},
          {custom.mindraw, "35"}},
         ui::Screen::Step6);
    EXPECT_FALSE(step6.list(TitleList::titletype)->isEnabled());
    screenshot(&step6, "step6");
    click(step6.titles->item(4));
    EXPECT_TRUE(step6.list(TitleList::titletype)->isEnabled());
    EXPECT_EQ(step6.list(TitleList::titlegender)->placeholderText(), QStringLiteral("Mixed"));
    EXPECT_EQ(step6.barValue(TitleBar::mindraw)->text(), QStringLiteral("35"));
    screenshot(&step6, "step6_custom");
    EXPECT_EQ(tabChain(step6.titles->item(4)),
              "Custom 1 | Title Name | Holder Name | Type | Value Of Title | Gender | Weight Class "
              "| Hardcore? | Minimum Draw Of Holder | Brand | Current Champion(s) | Holder #1 | "
              "Holder #2 | Current Reign (Days) | Click Here To Calculate A Title Reign | # "
              "Defenses So Far | Date Of Title Change | <<< Back | Next >>>");

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
    click(step6.titles->item(1));
    EXPECT_EQ(app.editor().step6.titles().selected(), 1);
    EXPECT_TRUE(app.view<DateCalculatorView>().isVisible());
}

TEST_F(StepViewsTest, StepSevenWiring) {
    Step7View& step7 = app.view<Step7View>();
    create(ui::Screen::Step7);
    ASSERT_TRUE(step7.isVisible());
    EXPECT_EQ(step7.heading->text(), QStringLiteral("Step 7 of 8"));
    EXPECT_EQ(tabChain(step7.field(Step7Field::powerfig1name)),
              "Brand 1 Power Figure 1 Name | Brand 1 Power Figure 1 Title | Brand 1 Power Figure "
              "2 Name | Brand 1 Power Figure 2 Title | Brand 2 Power Figure 1 Name | Brand 2 "
              "Power Figure 1 Title | Brand 2 Power Figure 2 Name | Brand 2 Power Figure 2 Title "
              "| Interviewer 1 | Interviewer 2 | <<< Back | Next >>>");

    dialogs.reply("Hank Mulvaney").reply("Owner");
    click(step7.field(Step7Field::brand2powerfig1name));
    click(step7.field(Step7Field::brand2powerfig1title));
    EXPECT_EQ(step7.field(Step7Field::brand2powerfig1name)->accessibleDescription(),
              QStringLiteral("Hank Mulvaney"));
    screenshot(&step7, "step7");
    dialogs.reply("None");
    QTest::keyClick(step7.field(Step7Field::brand2powerfig1name), Qt::Key_Return);
    EXPECT_EQ(step7.field(Step7Field::brand2powerfig1title)->value(), QStringLiteral("None"));
    EXPECT_EQ(record.get(line::brand2powerfig1title), "");

    click(step7.nextButton);
    EXPECT_TRUE(app.view<Step8View>().isVisible());
    EXPECT_FALSE(step7.isVisible());
}

// Step 8 draws a loaded promotion, passes every kind of edit on, and its
// SAVE writes the file and leaves for the menu.
TEST_F(StepViewsTest, StepEightWiringAndSave) {
    Step8View& step8 = app.view<Step8View>();
    load({{line::brand1talkshowname, "The Ironwood Report"},
          {line::talkshow1showname, "Monday Mayhem"},
          {line::popularity, "65"},
          {line::country, "UK"}},
         ui::Screen::Step8);
    ASSERT_TRUE(step8.isVisible());
    screenshot(&step8, "step8_loaded");
    EXPECT_EQ(step8.heading->text(), QStringLiteral("Step 8 of 8"));
    EXPECT_EQ(step8.field(Step8Field::talkshow1showname)->value(), QStringLiteral("Monday Mayhem"));
    EXPECT_EQ(std::tuple(step8.popularityBar->value(), step8.popularity->text(),
                         step8.popularityBar->accessibleDescription(),
                         step8.country->currentText()),
              std::tuple(65, QStringLiteral("65%"), QStringLiteral("65%"), QStringLiteral("UK")));
    EXPECT_EQ(tabChain(step8.field(Step8Field::brand1talkshowname)),
              "Brand 1 Talk Show Segment Name | Brand 1 Talk Show Segment Host | Name Of Show "
              "This Segment Is On | Brand 2 Talk Show Segment Name | Brand 2 Talk Show Segment "
              "Host | Name Of Show This Segment Is On | Promotion's Overall Popularity | Country "
              "Promotion Is Based In | <<< Back | SAVE");

    dialogs.reply("None");
    click(step8.field(Step8Field::brand1talkshowhost));
    EXPECT_EQ(step8.field(Step8Field::brand1talkshowname)->value(), QStringLiteral("NA"));
    step8.popularityBar->setSliderDown(true); // a drag stores as it goes
    step8.popularityBar->setSliderPosition(0);
    QTest::keyClick(step8.country, Qt::Key_Down);
    EXPECT_EQ(std::tuple(record.get(line::popularity), step8.popularity->text(),
                         record.get(line::country)),
              std::tuple("0", QStringLiteral("0%"), "Japan"));

    dialogs.clear();
    click(step8.nextButton);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"odd.fed saved OK."});
    EXPECT_TRUE(app.view<PromotionMenuView>().isVisible());
    EXPECT_FALSE(step8.isVisible());
    EXPECT_NE(game.read("Data/odd.fed").find("\r\nJapan\r\n"), std::string::npos);
}

} // namespace
} // namespace bm::gui
