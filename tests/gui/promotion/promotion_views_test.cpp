#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

// Step 1 draws the record (values outside the lists as stored), is announced
// and tabbed in its visual order, and passes every kind of edit on.
TEST_F(PromotionViewsTest, StepOneWiring) {
    const promotion::PromotionRecord& record = app.editor().chooser.record();
    platform::Lines lines = promotion::makeTemplateRecord().lines();
    lines[line::size] = "7";
    lines[line::tvcoverage] = "Cable";
    lines[line::description] = std::string(40000, 'x');
    game.writeLines("Data/odd.fed", lines);
    game.write("Images/crest.gif", "x");
    click(promotionMenu.editButton);
    clickRow(chooser.list, 0);
    click(chooser.actionButton);
    screenshot(&step1, "step1_odd_values");
    EXPECT_EQ(QStringList({step1.heading->text(), step1.hint->text(),
                           step1.field(Step1Field::website)->value(), step1.promlogo->value(),
                           step1.size->itemText(5), step1.size->placeholderText(),
                           step1.rostersplit->currentText(), step1.tvcoverage->placeholderText(),
                           step1.description->placeholderText()})
                  .join('|'),
              QStringLiteral("Step 1 of 8|Click On A Stat To Edit|http://"
                             "www.brawlmark-federation.example|default.jpg|Large National (eg. "
                             "WWE)|7|No|Cable|The BM-ist promotion around..."));
    EXPECT_EQ(step1.description->text().size(), 40000) << "a long line is not cut";
    key(step1.rostersplit, Qt::Key_Up); // enables the brand names, so Tab reaches them
    EXPECT_EQ(tabOrder(&step1),
              QStringLiteral("<<< Back|Next >>>|Promotion Initials|Promotion Name|Promotion "
                             "Logo|Choose the promotion logo|Promotion Size|Bank Balance ($)|Web "
                             "Site|Description|Owner's Name|Roster Split?|Brand 1 Name|Brand 2 "
                             "Name|TV Coverage"));

    // A prompt, a list, and the logo field and its button (both open the picker).
    dialogs.reply("Iron Hour");
    click(step1.field(Step1Field::owner));
    key(step1.size, Qt::Key_Down);
    click(step1.promlogo);
    click(app.view<ImagePickerView>().noChangesButton);
    click(step1.logoButton);
    click(app.view<ImagePickerView>().useButton);
    EXPECT_EQ(std::tuple(step1.field(Step1Field::owner)->value(), record.get(line::size),
                         step1.promlogo->value()),
              std::tuple(QStringLiteral("Iron Hour"), "1", QStringLiteral("crest.gif")));

    // A pasted line break becomes a space, and the cursor stays at the end.
    step1.description->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("Grit\r\nglory\nalways"));
    step1.description->paste();
    EXPECT_EQ(record.get(line::description), "Grit glory always");
    EXPECT_EQ(step1.description->cursorPosition(), step1.description->text().size());
    dialogs.clear();
    QTest::mouseDClick(step1.description, Qt::LeftButton);
    QTest::keyClick(step1.description, Qt::Key_F1);
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>(2, std::string(promotion::kDescriptionHelp)));

    // Closing the window with these edits unsaved asks first; No keeps it.
    dialogs.clear();
    dialogs.no();
    step1.close();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(step1.isVisible());
}

} // namespace
} // namespace bm::gui
