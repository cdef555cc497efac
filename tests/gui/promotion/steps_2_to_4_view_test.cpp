#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "gui/promotion/step2_view.h"
#include "gui/promotion/step3_view.h"
#include "gui/promotion/step4_view.h"
#include "gui/ui/selection_bar.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace bm::gui {
namespace {

namespace line = promotion::line;

// Steps 2 to 4 of a new promotion, reached through step 1 as a user would.
class StepViewsTest : public test::GuiTest {
protected:
    Step2View& step2 = app.view<Step2View>();
    Step3View& step3 = app.view<Step3View>();
    Step4View& step4 = app.view<Step4View>();
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        game.write("Images/crest.gif", "x");
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Promotions));
        dialogs.reply("bmf.fed");
        click(app.view<PromotionMenuView>().createButton);
        click(app.view<Step1View>().nextButton);
        dialogs.clear();
    }
    static void key(QWidget* w, Qt::Key k) {
        w->setFocus();
        QTest::keyClick(w, k);
    }
    // The names a screen reader hears while tabbing from `start` round the window,
    // each control also labelled by its caption.
    static std::string tabChain(QWidget* start) {
        QStringList chain;
        QWidget* w = start;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
                w->window() == start->window()) {
                // A drop-down's own name on Linux is its entry: its caption is
                // the widget's name and the label that names it.
                const QString name = w->accessibleName();
                chain << (name.isEmpty() ? accessibleName(w) : name);
                if (!qobject_cast<QAbstractButton*>(w) || qobject_cast<ValueField*>(w)) {
                    EXPECT_EQ(labelledBy(w).toStdString(), name.toStdString());
                }
            }
            w = w->nextInFocusChain();
        } while (w != start && chain.size() < 40);
        return chain.join(" | ").toStdString();
    }
    static void fitsTheScreen(QWidget* w) {
        EXPECT_LE(w->frameGeometry().width(), 1366);
        EXPECT_LE(w->frameGeometry().height(), 768);
    }
};

TEST_F(StepViewsTest, StepTwoWiring) {
    ASSERT_TRUE(step2.isVisible());
    EXPECT_EQ(step2.heading->text(), QStringLiteral("Step 2 of 8"));
    EXPECT_EQ(step2.hint->text() + step2.secondHint->text(),
              QStringLiteral("Click on a show to edit......then click on a stat to edit"));
    screenshot(&step2, "step2_new");
    EXPECT_EQ(
        tabChain(step2.shows->item(0)),
        "Primary Show 1 | Name Of Show | Day Of This Show | Show Logo | Choose the show logo | "
        "Brand Of Show | Type Of Show | Fan Popularity | Av. TV Rating/Buys | <<< Back | Next >>>");
    fitsTheScreen(&step2);

    click(step2.shows->item(1));
    EXPECT_EQ(app.editor().step2.shows().selected(), 1);
    EXPECT_TRUE(step2.shows->item(1)->isChecked());
    EXPECT_EQ(step2.field(promotion::Step2Field::nameofshow)->value(), QStringLiteral("None"));
    EXPECT_EQ(record.get(line::shows[1].showday), "Monday");

    // A drag stores every position it passes, before the thumb is let go.
    step2.popularity->setSliderDown(true);
    for (const int v : {12, 64}) {
        step2.popularity->setSliderPosition(v);
        EXPECT_EQ(record.get(line::shows[1].percentage), std::to_string(v));
        EXPECT_EQ(step2.percentage->text(), QString::number(v) + "%");
    }
    step2.popularity->setSliderDown(false);
    key(step2.popularity, Qt::Key_Right);
    EXPECT_EQ(record.get(line::shows[1].percentage), "65");

    key(step2.showday, Qt::Key_Down); // Tuesday
    EXPECT_EQ(record.get(line::shows[1].showday), "Tuesday");
    key(step2.showtype, Qt::Key_Down); // TV without coverage: refused, left shown
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{std::string(promotion::kTvNeedsCoverage)});
    EXPECT_EQ(step2.showtype->currentText(), QStringLiteral("TV"));
    EXPECT_EQ(record.get(line::shows[1].showtype), "House");
    dialogs.reply("Iron Hour");
    click(step2.field(promotion::Step2Field::nameofshow));
    EXPECT_EQ(record.get(line::shows[1].nameofshow), "Iron Hour");

    click(step2.logoButton);
    auto& picker = app.view<ImagePickerView>();
    ASSERT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.heading->text(), QStringLiteral("Show 2 Logo"));
    click(picker.useButton);
    EXPECT_EQ(record.get(line::shows[1].showlogo), "crest.gif");
    EXPECT_EQ(step2.showlogo->value(), QStringLiteral("crest.gif"));
    screenshot(&step2, "step2_show2");
    click(step2.nextButton);
    EXPECT_TRUE(step3.isVisible());
    EXPECT_FALSE(step2.isVisible());
}

TEST_F(StepViewsTest, StepThreeWiring) {
    click(step2.nextButton);
    ASSERT_TRUE(step3.isVisible());
    EXPECT_EQ(step3.heading->text(), QStringLiteral("Step 3 of 8"));
    EXPECT_EQ(tabChain(step3.field(promotion::Step3Field::untvatt)),
              "Max Untelevised Attendence | Max Televised Attendence | Production Values - Primary "
              "Shows | Production Values - Secondary Shows | Production Values - Big Shows | <<< "
              "Back | Next >>>");
    fitsTheScreen(&step3);
    dialogs.reply("7500 fans");
    click(step3.field(promotion::Step3Field::tvatt));
    EXPECT_EQ(record.get(line::tvatt), "7500");
    EXPECT_EQ(step3.field(promotion::Step3Field::tvatt)->value(), QStringLiteral("7500"));
    auto* big = step3.production(promotion::Production::bigshowprod);
    EXPECT_EQ(big->count(), 20);
    key(big, Qt::Key_End);
    EXPECT_EQ(record.get(line::bigshowprod), "20");
    EXPECT_EQ(big->currentText(), QStringLiteral("$1,250,000 Per Show"));
    screenshot(&step3, "step3");
    click(step3.backButton);
    EXPECT_TRUE(step2.isVisible());
}

TEST_F(StepViewsTest, StepFourWiring) {
    click(step2.nextButton);
    click(step3.nextButton);
    ASSERT_TRUE(step4.isVisible());
    EXPECT_EQ(step4.heading->text(), QStringLiteral("Step 4 of 8"));
    EXPECT_TRUE(step4.monthText->text().startsWith("In Brawlmark 1.3, you choose"));
    EXPECT_EQ(
        tabChain(step4.ppvdeal),
        "Monthly PPV Deal? | Av. PPV Buy-Rate | Max Big Show Attendence | Jan | Big Show Name | "
        "Big Show Brand | Big Show Logo | Choose the big show logo | <<< Back | Next >>>");
    fitsTheScreen(&step4);
    screenshot(&step4, "step4_new");

    click(step4.months->item(2));
    EXPECT_EQ(app.editor().step4.months().selected(), 2);
    EXPECT_EQ(record.get(line::months[2].bigshowlogo), "NA");
    dialogs.reply("Spring Slam");
    click(step4.field(promotion::BigShowField::bigshowname));
    EXPECT_EQ(record.get(line::months[2].bigshowname), "Spring Slam");
    key(step4.bigshowbrand, Qt::Key_Down);
    EXPECT_EQ(record.get(line::months[2].bigshowbrand), "Brand 1");
    key(step4.ppvdeal, Qt::Key_Up); // Yes for a Basic Indy: warned, stored
    EXPECT_EQ(dialogs.texts().back(), promotion::kPpvDealNeedsNational);
    EXPECT_EQ(record.get(line::ppvdeal), "Yes");
    dialogs.reply("0.835");
    click(step4.field(promotion::Step4Field::ppvbuyrate));
    EXPECT_EQ(record.get(line::ppvbuyrate), "83");

    click(step4.logoButton);
    auto& picker = app.view<ImagePickerView>();
    EXPECT_EQ(picker.heading->text(), QStringLiteral("March Big Show Logo"));
    click(step4.backButton); // leaving closes the picker unanswered
    EXPECT_FALSE(picker.isVisible());
    EXPECT_TRUE(step3.isVisible());
    EXPECT_EQ(record.get(line::months[2].bigshowlogo), "NA");
}

} // namespace
} // namespace bm::gui
