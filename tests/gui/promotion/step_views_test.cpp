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
#include <QScrollBar>

#include <tuple>

namespace bm::gui {
namespace {

using namespace promotion;

// Steps 2 to 8: each step's controls show its model and pass every kind of
// edit on; what the edits do is the step's own tests' business.
class StepViewsTest : public test::GuiTest {
protected:
    PromotionRecord& record = app.editor().chooser.record();

    // Edits "odd.fed", the template with these lines changed, at the step.
    void load(ui::Screen step, const test::LineChanges& changes = {}) {
        game.write("Images/crest.gif", "x");
        game.writeLines("Data/odd.fed", test::withLines(makeTemplateRecord().lines(), changes));
        openFromMenu(context::MenuButton::Promotions);
        click(app.view<PromotionMenuView>().editButton);
        clickRow(app.view<PromotionChooserView>().list, 0);
        click(app.view<PromotionChooserView>().actionButton);
        app.navigator().go(step);
    }
};

// Every control is named by its caption and Tab follows the visual order
// (the buttons, made first, come first in the round).
TEST_F(StepViewsTest, EveryStepIsCaptionedAndTabbedInOrder) {
    load(ui::Screen::Step2);
    const struct {
        ui::Screen step;
        QWidget* view;
        QString tabOrder;
    } steps[] = {
        {ui::Screen::Step2, &app.view<Step2View>(),
         "<<< Back|Next >>>|[Primary Show 1]|Name Of Show|Day Of This Show|Show Logo|Choose the "
         "show logo|Brand Of Show|Type Of Show|Fan Popularity|Av. TV Rating/Buys"},
        {ui::Screen::Step3, &app.view<Step3View>(),
         "<<< Back|Next >>>|Max Untelevised Attendence|Max Televised Attendence|Production Values "
         "- Primary Shows|Production Values - Secondary Shows|Production Values - Big Shows"},
        {ui::Screen::Step4, &app.view<Step4View>(),
         "<<< Back|Next >>>|Monthly PPV Deal?|Av. PPV Buy-Rate|Max Big Show Attendence|[Jan]|Big "
         "Show Name|Big Show Brand|Big Show Logo|Choose the big show logo"},
        {ui::Screen::Step5, &app.view<Step5View>(),
         "<<< Back|Next >>>|Name Of Big Show|Level Of Promotion|Date Of Big Show|Days Since "
         "Announced"},
        {ui::Screen::Step7, &app.view<Step7View>(),
         "<<< Back|Next >>>|Brand 1 Power Figure 1 Name|Brand 1 Power Figure 1 Title|Brand 1 "
         "Power Figure 2 Name|Brand 1 Power Figure 2 Title|Brand 2 Power Figure 1 Name|Brand 2 "
         "Power Figure 1 Title|Brand 2 Power Figure 2 Name|Brand 2 Power Figure 2 "
         "Title|Interviewer 1|Interviewer 2"},
        {ui::Screen::Step8, &app.view<Step8View>(),
         "<<< Back|SAVE|Brand 1 Talk Show Segment Name|Brand 1 Talk Show Segment Host|Name Of Show "
         "This Segment Is On|Brand 2 Talk Show Segment Name|Brand 2 Talk Show Segment Host|Name Of "
         "Show This Segment Is On|Promotion's Overall Popularity|Country Promotion Is Based In"},
    };
    for (const auto& s : steps) {
        app.navigator().go(s.step);
        EXPECT_EQ(tabOrder(s.view), s.tabOrder);
        screenshot(s.view, QStringLiteral("step%1").arg(static_cast<int>(s.step)));
    }
    EXPECT_EQ(app.view<Step8View>().heading->text(), QStringLiteral("Step 8 of 8"));
}

TEST_F(StepViewsTest, StepTwoWiring) {
    Step2View& step2 = app.view<Step2View>();
    load(ui::Screen::Step2);
    click(step2.shows->item(1));
    step2.popularity->setSliderDown(true); // a drag stores as it goes
    step2.popularity->setSliderPosition(64);
    key(step2.showday, Qt::Key_Down);
    dialogs.reply("Iron Hour");
    click(step2.field(Step2Field::nameofshow));
    click(step2.logoButton);
    click(app.view<ImagePickerView>().useButton);
    const line::ShowLines& show = line::shows[1];
    EXPECT_EQ(std::tuple(record.get(show.percentage), record.get(show.showday),
                         record.get(show.nameofshow), record.get(show.showlogo)),
              std::tuple("64", "Tuesday", "Iron Hour", "crest.gif"));
    EXPECT_EQ(step2.percentage->text() + "|" + step2.showlogo->value(),
              QStringLiteral("64%|crest.gif"));
    click(step2.nextButton);
    EXPECT_TRUE(app.view<Step3View>().isVisible());
}

TEST_F(StepViewsTest, StepsThreeFourAndSevenWiring) {
    load(ui::Screen::Step3);
    key(app.view<Step3View>().production(Production::bigshowprod), Qt::Key_End);
    app.navigator().go(ui::Screen::Step4);
    Step4View& step4 = app.view<Step4View>();
    click(step4.months->item(2));
    key(step4.bigshowbrand, Qt::Key_Down);
    click(step4.logoButton);
    EXPECT_EQ(app.view<ImagePickerView>().heading->text(), QStringLiteral("March Big Show Logo"));
    click(step4.backButton); // leaving closes the picker unanswered
    EXPECT_FALSE(app.view<ImagePickerView>().isVisible());
    app.navigator().go(ui::Screen::Step7);
    dialogs.reply("Hank Mulvaney");
    QTest::keyClick(app.view<Step7View>().field(Step7Field::brand2powerfig1name), Qt::Key_Return);
    EXPECT_EQ(std::tuple(record.get(line::bigshowprod), record.get(line::months[2].bigshowbrand),
                         record.get(line::brand2powerfig1name)),
              std::tuple("20", "Brand 1", "Hank Mulvaney"));
}

// Values that no list or bar offers are shown as stored, and not written.
TEST_F(StepViewsTest, StepFiveWiring) {
    Step5View& step5 = app.view<Step5View>();
    load(ui::Screen::Step5, {{line::nameofbigshow, "Autumn Overdrive"},
                             {line::levelofpromotion, "5"},
                             {line::days, "99"}});
    EXPECT_EQ(std::tuple(step5.level->placeholderText(), step5.daysBar->value(), step5.days->text(),
                         record.get(line::days)),
              std::tuple(QStringLiteral("5"), 40, QStringLiteral("99"), "99"));
    key(step5.level, Qt::Key_Down);
    step5.daysBar->setValue(12); // as a drag does
    key(step5.daysBar, Qt::Key_Right);
    EXPECT_EQ(std::tuple(record.get(line::levelofpromotion), record.get(line::days)),
              std::tuple("1", "13"));
}

TEST_F(StepViewsTest, StepSixWiringAndTheCalculatorLink) {
    Step6View& step6 = app.view<Step6View>();
    const line::TitleLines& custom = line::titles[4];
    load(ui::Screen::Step6, {{custom.titlename, "Harbour Tag Titles"},
                             {custom.titletype, "Tag Team"},
                             {custom.titlegender, "Mixed"},
                             {custom.mindraw, "35"}});
    EXPECT_FALSE(step6.list(TitleList::titletype)->isEnabled());
    click(step6.titles->item(4));
    EXPECT_EQ(step6.list(TitleList::titlegender)->placeholderText() + "|" +
                  step6.barValue(TitleBar::mindraw)->text(),
              QStringLiteral("Mixed|35"));
    screenshot(&step6, "step6");
    EXPECT_EQ(
        tabOrder(&step6),
        "<<< Back|Next >>>|[Custom 1]|Title Name|Holder Name|Type|Value Of Title|Gender|Weight "
        "Class|Hardcore?|Minimum Draw Of Holder|Brand|Current Champion(s)|Holder #1|Holder "
        "#2|Current Reign (Days)|Click Here To Calculate A Title Reign|# Defenses So "
        "Far|Date Of Title Change");
    key(step6.list(TitleList::titletype), Qt::Key_Up);
    key(step6.bar(TitleBar::mindraw), Qt::Key_Right);
    EXPECT_EQ(std::tuple(record.get(custom.titletype), record.get(custom.mindraw)),
              std::tuple("Singles", "36"));
    // The calculator opens beside the step, which stays usable.
    key(step6.calculatorLink, Qt::Key_Return);
    click(step6.titles->item(1));
    EXPECT_EQ(app.editor().step6.titles().selected(), 1);
    EXPECT_TRUE(app.view<DateCalculatorView>().isVisible());
}

// Step 8's SAVE writes the file and leaves for the menu.
TEST_F(StepViewsTest, StepEightWiringAndSave) {
    Step8View& step8 = app.view<Step8View>();
    load(ui::Screen::Step8, {{line::popularity, "65"}, {line::country, "UK"}});
    EXPECT_EQ(step8.popularity->text() + "|" + step8.popularityBar->accessibleDescription() + "|" +
                  step8.country->currentText(),
              QStringLiteral("65%|65%|UK"));
    step8.popularityBar->setSliderDown(true);
    step8.popularityBar->setSliderPosition(0);
    key(step8.country, Qt::Key_Down);
    EXPECT_EQ(std::tuple(record.get(line::popularity), record.get(line::country)),
              std::tuple("0", "Japan"));
    dialogs.clear();
    click(step8.nextButton);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"odd.fed saved OK."});
    EXPECT_TRUE(app.view<PromotionMenuView>().isVisible());
    EXPECT_NE(game.read("Data/odd.fed").find("\r\nJapan\r\n"), std::string::npos);
}

} // namespace
} // namespace bm::gui
