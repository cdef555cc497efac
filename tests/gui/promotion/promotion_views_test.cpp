#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"

#include <QLabel>
#include <QListWidget>

namespace bm::gui {
namespace {

using promotion::Step1Field;
namespace line = promotion::line;

class PromotionViewsTest : public test::GuiTest {
protected:
    PromotionMenuView& promotionMenu = app.view<PromotionMenuView>();
    PromotionChooserView& chooser = app.view<PromotionChooserView>();
    Step1View& step1 = app.view<Step1View>();

    void SetUp() override {
        openFromMenu(context::MenuButton::Promotions);
        ASSERT_TRUE(promotionMenu.isVisible());
    }
};

TEST_F(PromotionViewsTest, PromotionMenuWiring) {
    EXPECT_EQ(promotionMenu.heading->text() + "|" + promotionMenu.aboutHeading->text() + "|" +
                  tabOrder(&promotionMenu),
              QStringLiteral("Editing Promotions|About Creating Promotions|Create a New "
                             "Promotion|Edit an Existing Promotion|Delete a Promotion|Back"));
    EXPECT_TRUE(promotionMenu.aboutText->text().startsWith("Each promotion in Brawlmark 1.3"));
    screenshot(&promotionMenu, "promotion_menu");
    dialogs.reply("");
    click(promotionMenu.createButton);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "the filename prompt";
    click(promotionMenu.backButton);
    EXPECT_TRUE(app.view<EditingMenuView>().isVisible());
}

TEST_F(PromotionViewsTest, PromotionChooserWiring) {
    platform::Lines lines = promotion::makeTemplateRecord().lines();
    lines[line::promname] = "Beta Combat League";
    game.writeLines("Data/alpha.fed", lines);
    game.writeLines("Data/beta.fed", lines);
    click(promotionMenu.editButton);
    ASSERT_TRUE(chooser.isVisible());
    EXPECT_EQ(QStringList({chooser.heading->text(), chooser.promptLine->text(),
                           chooser.nameoffile->text(), tabOrder(&chooser)})
                  .join('|'),
              QStringLiteral("Edit Promotion|Select Promotion To Edit|filename|[Edit "
                             "Promotion]|Edit This Promotion|Back"));
    ASSERT_EQ(chooser.list->count(), 2);
    clickRow(chooser.list, 1);
    EXPECT_EQ(chooser.promptLine->text(), QStringLiteral("Beta Combat League"));
    screenshot(&chooser, "promotion_chooser");
    QTest::keyClick(chooser.list, Qt::Key_Return); // activating an entry acts too
    EXPECT_EQ(step1.field(Step1Field::promname)->value(), QStringLiteral("Beta Combat League"));
    dialogs.yes();
    click(step1.backButton);
    EXPECT_EQ(chooser.list->selectedItems().size(), 1) << "as it was left";
}

} // namespace
} // namespace bm::gui
