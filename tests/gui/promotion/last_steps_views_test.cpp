#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "core/promotion/save_rules.h"
#include "gui/promotion/step7_view.h"
#include "gui/promotion/step8_view.h"
#include "gui/ui/text_codec.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace bm::gui {
namespace {

using promotion::Step7Field;
using promotion::Step8Field;
namespace line = promotion::line;

class LastStepsViewsTest : public test::GuiTest {
protected:
    Step7View& step7 = app.view<Step7View>();
    Step8View& step8 = app.view<Step8View>();
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Promotions));
    }
    void create(const char* name) {
        dialogs.reply(name);
        click(app.view<PromotionMenuView>().createButton);
        dialogs.clear();
    }
    void load(const char* name) {
        click(app.view<PromotionMenuView>().editButton);
        auto& chooser = app.view<PromotionChooserView>();
        chooser.list->setCurrentRow(chooser.list->count() - 1);
        ASSERT_EQ(chooser.list->currentItem()->text(), QString::fromLatin1(name));
        click(chooser.actionButton);
    }
    // The name of each control Tab reaches, from `first` round to it again;
    // every one but a button is named by its caption label.
    static QStringList tabChain(QWidget* window, QWidget* first) {
        QStringList chain;
        QWidget* w = first;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->window() == window) {
                auto* button = qobject_cast<QPushButton*>(w);
                chain << (button ? button->text() : w->accessibleName());
                if (!button) {
                    EXPECT_EQ(labelledBy(w), w->accessibleName());
                }
            }
            w = w->nextInFocusChain();
        } while (w != first && chain.size() < 40);
        EXPECT_LE(window->frameGeometry().width(), 1366);
        EXPECT_LE(window->frameGeometry().height(), 768);
        return chain;
    }
};

TEST_F(LastStepsViewsTest, StepSevenWiring) {
    create("bmf.fed");
    app.navigator().go(ui::Screen::Step7);
    ASSERT_TRUE(step7.isVisible());
    EXPECT_EQ(step7.heading->text(), QStringLiteral("Step 7 of 8"));
    for (const auto& p : promotion::kStep7Prompts) {
        EXPECT_EQ(step7.field(p.field)->value(), QStringLiteral("None"));
    }
    const QStringList expected{"Brand 1 Power Figure 1 Name",
                               "Brand 1 Power Figure 1 Title",
                               "Brand 1 Power Figure 2 Name",
                               "Brand 1 Power Figure 2 Title",
                               "Brand 2 Power Figure 1 Name",
                               "Brand 2 Power Figure 1 Title",
                               "Brand 2 Power Figure 2 Name",
                               "Brand 2 Power Figure 2 Title",
                               "Interviewer 1",
                               "Interviewer 2",
                               "<<< Back",
                               "Next >>>"};
    EXPECT_EQ(tabChain(&step7, step7.field(Step7Field::powerfig1name)), expected);

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
    EXPECT_TRUE(step8.isVisible());
    EXPECT_FALSE(step7.isVisible());
    click(step8.backButton);
    EXPECT_TRUE(step7.isVisible());
}

// Step 8 draws a loaded promotion, passes every kind of edit on, and its
// SAVE refuses while rules fail, then writes and leaves for the menu.
TEST_F(LastStepsViewsTest, StepEightWiringAndSave) {
    platform::Lines lines = promotion::makeTemplateRecord().lines();
    lines[line::brand1talkshowname] = "The Ironwood Report";
    lines[line::brand1talkshowhost] = "Dax Ironwood";
    lines[line::talkshow1showname] = "Monday Mayhem";
    lines[line::popularity] = "65";
    lines[line::country] = "UK";
    game.writeLines("Data/iron.fed", lines);
    load("iron.fed");
    app.navigator().go(ui::Screen::Step8);
    ASSERT_TRUE(step8.isVisible());
    screenshot(&step8, "step8_loaded");
    EXPECT_EQ(step8.heading->text(), QStringLiteral("Step 8 of 8"));
    EXPECT_EQ(step8.field(Step8Field::talkshow1showname)->value(), QStringLiteral("Monday Mayhem"));
    EXPECT_EQ(step8.field(Step8Field::brand2talkshowhost)->value(), QStringLiteral("NA"));
    EXPECT_EQ(std::tuple(step8.popularityBar->value(), step8.popularity->text(),
                         step8.popularityBar->accessibleDescription(),
                         step8.country->currentText()),
              std::tuple(65, QStringLiteral("65%"), QStringLiteral("65%"), QStringLiteral("UK")));
    const QStringList expected{"Brand 1 Talk Show Segment Name",
                               "Brand 1 Talk Show Segment Host",
                               "Name Of Show This Segment Is On",
                               "Brand 2 Talk Show Segment Name",
                               "Brand 2 Talk Show Segment Host",
                               "Name Of Show This Segment Is On",
                               "Promotion's Overall Popularity",
                               "Country Promotion Is Based In",
                               "<<< Back",
                               "SAVE"};
    EXPECT_EQ(tabChain(&step8, step8.field(Step8Field::brand1talkshowname)), expected);

    dialogs.reply("None");
    click(step8.field(Step8Field::brand1talkshowhost));
    EXPECT_EQ(step8.field(Step8Field::brand1talkshowname)->value(), QStringLiteral("NA"));
    EXPECT_EQ(step8.field(Step8Field::brand1talkshowhost)->value(), QStringLiteral("None"));
    EXPECT_EQ(record.get(line::talkshow1showname), "");

    QTest::keyClick(step8.popularityBar, Qt::Key_Right);
    EXPECT_EQ(record.get(line::popularity), "66");
    step8.popularityBar->setSliderDown(true); // a drag stores as it goes
    step8.popularityBar->setSliderPosition(0);
    EXPECT_EQ(record.get(line::popularity), "0");
    step8.popularityBar->setSliderDown(false);
    EXPECT_EQ(step8.popularity->text(), QStringLiteral("0%"));
    QTest::keyClick(step8.country, Qt::Key_Down);
    EXPECT_EQ(record.get(line::country), "Japan");

    record.set(line::untvatt, "19");
    dialogs.clear();
    click(step8.nextButton);
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{std::string(promotion::kSaveRuleMessages[6])});
    EXPECT_TRUE(step8.isVisible());
    EXPECT_EQ(game.read("Data/iron.fed"), platform::joinLines(lines));

    record.set(line::untvatt, "20");
    dialogs.clear();
    click(step8.nextButton);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"iron.fed saved OK."});
    EXPECT_TRUE(app.view<PromotionMenuView>().isVisible());
    EXPECT_FALSE(step8.isVisible());
    EXPECT_NE(game.read("Data/iron.fed").find("\r\nJapan\r\n"), std::string::npos);

    create("new.fed");
    app.navigator().go(ui::Screen::Step8);
    EXPECT_EQ(step8.field(Step8Field::brand1talkshowname)->value(), QStringLiteral("NA"));
    EXPECT_EQ(step8.country->currentText(), QStringLiteral("USA"));
    screenshot(&step8, "step8_new");
}

} // namespace
} // namespace bm::gui
