#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "gui/promotion/step2_view.h"
#include "gui/promotion/step3_view.h"
#include "gui/promotion/step4_view.h"
#include "gui/ui/selection_bar.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace bm::gui {
namespace {

namespace line = promotion::line;

// Steps 2 to 4 of a new promotion, reached from step 1.
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
    // What Tab reaches from `start` round the window, each control named by
    // its caption label.
    static std::string tabChain(QWidget* start) {
        QStringList chain;
        QWidget* w = start;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
                w->window() == start->window()) {
                const QString name = w->accessibleName(); // a drop-down's is its caption
                chain << (name.isEmpty() ? accessibleName(w) : name);
                if (!qobject_cast<QAbstractButton*>(w) || qobject_cast<ValueField*>(w)) {
                    EXPECT_EQ(labelledBy(w).toStdString(), name.toStdString());
                }
            }
            w = w->nextInFocusChain();
        } while (w != start && chain.size() < 40);
        EXPECT_LE(start->window()->frameGeometry().height(), 768);
        return chain.join(" | ").toStdString();
    }
};

TEST_F(StepViewsTest, StepTwoWiring) {
    ASSERT_TRUE(step2.isVisible());
    EXPECT_EQ(tabChain(step2.shows->item(0)),
              "Primary Show 1 | Name Of Show | Day Of This Show | Show Logo | Choose the show logo "
              "| Brand Of Show | Type Of Show | Fan Popularity | Av. TV Rating/Buys | <<< Back | "
              "Next >>>");
    screenshot(&step2, "step2_new");
    click(step2.shows->item(1));
    EXPECT_TRUE(step2.shows->item(1)->isChecked());
    EXPECT_EQ(step2.field(promotion::Step2Field::nameofshow)->value(), QStringLiteral("None"));

    // A drag stores every position it passes, before the thumb is let go.
    step2.popularity->setSliderDown(true);
    for (const int v : {12, 64}) {
        step2.popularity->setSliderPosition(v);
        EXPECT_EQ(record.get(line::shows[1].percentage), std::to_string(v));
        EXPECT_EQ(step2.percentage->text(), QString::number(v) + "%");
    }
    step2.popularity->setSliderDown(false);
    key(step2.showday, Qt::Key_Down);
    key(step2.showtype, Qt::Key_Down); // TV without coverage: refused, left shown
    EXPECT_EQ(step2.showtype->currentText(), QStringLiteral("TV"));
    EXPECT_EQ(record.get(line::shows[1].showtype), "House");
    EXPECT_EQ(record.get(line::shows[1].showday), "Tuesday");
    dialogs.reply("Iron Hour");
    click(step2.field(promotion::Step2Field::nameofshow));
    click(step2.logoButton);
    click(app.view<ImagePickerView>().useButton);
    EXPECT_EQ(step2.showlogo->value(), QStringLiteral("crest.gif"));
    EXPECT_EQ(record.get(line::shows[1].showlogo), "crest.gif");
    screenshot(&step2, "step2_show2");
    click(step2.nextButton);
    EXPECT_TRUE(step3.isVisible());
}

TEST_F(StepViewsTest, StepThreeWiring) {
    click(step2.nextButton);
    dialogs.reply("7500 fans");
    click(step3.field(promotion::Step3Field::tvatt));
    EXPECT_EQ(step3.field(promotion::Step3Field::tvatt)->value(), QStringLiteral("7500"));
    auto* big = step3.production(promotion::Production::bigshowprod);
    EXPECT_EQ(labelledBy(big), QStringLiteral("Production Values - Big Shows"));
    key(big, Qt::Key_End);
    EXPECT_EQ(record.get(line::bigshowprod), "20");
    screenshot(&step3, "step3");
    click(step3.backButton);
    EXPECT_TRUE(step2.isVisible());
}

TEST_F(StepViewsTest, StepFourWiring) {
    click(step2.nextButton);
    click(step3.nextButton);
    ASSERT_TRUE(step4.isVisible());
    EXPECT_EQ(tabChain(step4.ppvdeal),
              "Monthly PPV Deal? | Av. PPV Buy-Rate | Max Big Show Attendence | Jan | Big Show "
              "Name | Big Show Brand | Big Show Logo | Choose the big show logo | <<< Back | Next "
              ">>>");
    screenshot(&step4, "step4_new");
    click(step4.months->item(2));
    EXPECT_TRUE(step4.months->item(2)->isChecked());
    dialogs.reply("Spring Slam");
    click(step4.field(promotion::BigShowField::bigshowname));
    key(step4.bigshowbrand, Qt::Key_Down);
    EXPECT_EQ(record.get(line::months[2].bigshowname), "Spring Slam");
    EXPECT_EQ(record.get(line::months[2].bigshowbrand), "Brand 1");
    key(step4.ppvdeal, Qt::Key_Up);
    EXPECT_EQ(record.get(line::ppvdeal), "Yes");
    click(step4.logoButton);
    EXPECT_EQ(app.view<ImagePickerView>().heading->text(), QStringLiteral("March Big Show Logo"));
    click(step4.backButton); // leaving closes the picker unanswered
    EXPECT_FALSE(app.view<ImagePickerView>().isVisible());
    EXPECT_EQ(record.get(line::months[2].bigshowlogo), "NA");
}

} // namespace
} // namespace bm::gui
