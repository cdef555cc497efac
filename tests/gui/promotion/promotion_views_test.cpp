#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace bm::gui {
namespace {

using promotion::Step1Field;
namespace line = promotion::line;

class PromotionViewsTest : public test::GuiTest {
protected:
    PromotionMenuView& promotionMenu = app.view<PromotionMenuView>();
    PromotionChooserView& chooser = app.view<PromotionChooserView>();
    Step1View& step1 = app.view<Step1View>();
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Promotions));
        ASSERT_TRUE(promotionMenu.isVisible());
    }
    void clickRow(int row) {
        const QRect place = chooser.list->visualItemRect(chooser.list->item(row));
        QTest::mouseClick(chooser.list->viewport(), Qt::LeftButton, {}, place.center());
    }
    void key(QWidget* w, Qt::Key k) {
        w->setFocus();
        QTest::keyClick(w, k);
    }
};

TEST_F(PromotionViewsTest, PromotionMenuWiring) {
    EXPECT_EQ(QStringList({promotionMenu.heading->text(), promotionMenu.createButton->text(),
                           promotionMenu.editButton->text(), promotionMenu.deleteButton->text(),
                           promotionMenu.aboutHeading->text()})
                  .join('|'),
              QStringLiteral("Editing Promotions|Create a New Promotion|Edit an Existing "
                             "Promotion|Delete a Promotion|About Creating Promotions"));
    EXPECT_TRUE(promotionMenu.aboutText->text().startsWith("Each promotion in Brawlmark 1.3"));
    screenshot(&promotionMenu, "promotion_menu");
    dialogs.reply("");
    click(promotionMenu.createButton);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "the filename prompt";
    click(promotionMenu.deleteButton);
    EXPECT_EQ(chooser.actionButton->text(), QStringLiteral("Delete This Promotion"));
    click(chooser.backButton);
    click(promotionMenu.backButton);
    EXPECT_TRUE(app.view<EditingMenuView>().isVisible());
    EXPECT_FALSE(promotionMenu.isVisible());
}

TEST_F(PromotionViewsTest, PromotionChooserWiring) {
    platform::Lines lines = promotion::makeTemplateRecord().lines();
    lines[line::promname] = "Beta Combat League";
    game.writeLines("Data/alpha.fed", lines);
    game.writeLines("Data/beta.fed", lines);
    click(promotionMenu.editButton);
    ASSERT_TRUE(chooser.isVisible());
    EXPECT_EQ(QStringList({chooser.heading->text(), accessibleName(chooser.list),
                           chooser.promptLine->text(), chooser.actionButton->text(),
                           chooser.nameoffile->text()})
                  .join('|'),
              QStringLiteral("Edit Promotion|Edit Promotion|Select Promotion To Edit|Edit This "
                             "Promotion|filename"));
    ASSERT_EQ(chooser.list->count(), 2);
    EXPECT_EQ(chooser.list->item(1)->text(), QStringLiteral("beta.fed"));

    clickRow(1);
    EXPECT_EQ(chooser.promptLine->text(), QStringLiteral("Beta Combat League"));
    screenshot(&chooser, "promotion_chooser");
    QTest::keyClick(chooser.list, Qt::Key_Return); // activating an entry acts too
    ASSERT_TRUE(step1.isVisible());
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(step1.field(Step1Field::promname)->value(), QStringLiteral("Beta Combat League"));
    dialogs.yes();
    click(step1.backButton);
    ASSERT_TRUE(chooser.isVisible());
    EXPECT_EQ(chooser.nameoffile->text(), QStringLiteral("beta.fed"));
    EXPECT_EQ(chooser.list->selectedItems().size(), 1) << "as it was left";
}

// Step 1 draws the record (values outside the lists as stored), is announced
// and tabbed in its visual order, and passes every kind of edit on.
TEST_F(PromotionViewsTest, StepOneWiring) {
    platform::Lines lines = promotion::makeTemplateRecord().lines();
    lines[line::size] = "7";
    lines[line::tvcoverage] = "Cable";
    lines[line::description] = std::string(40000, 'x');
    game.writeLines("Data/odd.fed", lines);
    game.write("Images/crest.gif", "x");
    click(promotionMenu.editButton);
    clickRow(0);
    click(chooser.actionButton);
    ASSERT_TRUE(step1.isVisible());
    screenshot(&step1, "step1_odd_values");

    EXPECT_EQ(step1.heading->text() + "|" + step1.hint->text(),
              QStringLiteral("Step 1 of 8|Click On A Stat To Edit"));
    EXPECT_EQ(step1.field(Step1Field::website)->value(),
              QStringLiteral("http://www.brawlmark-federation.example"));
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("default.jpg"));
    EXPECT_EQ(step1.size->itemText(5), QStringLiteral("Large National (eg. WWE)"));
    EXPECT_EQ(step1.size->placeholderText() + "|" + step1.rostersplit->currentText() + "|" +
                  step1.tvcoverage->placeholderText(),
              QStringLiteral("7|No|Cable"));
    EXPECT_EQ(step1.description->text().size(), 40000) << "a long line is not cut";
    EXPECT_EQ(step1.description->placeholderText(),
              QStringLiteral("The BM-ist promotion around..."));
    EXPECT_FALSE(step1.caption(Step1Field::brand2)->isEnabled());
    key(step1.rostersplit, Qt::Key_Up);
    EXPECT_TRUE(step1.field(Step1Field::brand1)->isEnabled());
    EXPECT_TRUE(step1.caption(Step1Field::brand2)->isEnabled());
    EXPECT_EQ(step1.field(Step1Field::brand2)->value(), QStringLiteral("Brand 2"));

    // Every control in the visual order, each named by its caption label (on
    // Linux a drop-down is announced through that relation).
    QStringList chain;
    QWidget* w = step1.field(Step1Field::prominitials);
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
            w->window() == &step1) {
            auto* button = qobject_cast<QPushButton*>(w);
            chain << (button && w->accessibleName().isEmpty() ? button->text()
                                                              : w->accessibleName());
            if (!button) {
                EXPECT_EQ(labelledBy(w), w->accessibleName());
            }
        }
        w = w->nextInFocusChain();
    } while (w != step1.field(Step1Field::prominitials) && chain.size() < 40);
    EXPECT_EQ(chain,
              (QStringList{"Promotion Initials", "Promotion Name", "Promotion Logo",
                           "Choose the promotion logo", "Promotion Size", "Bank Balance ($)",
                           "Web Site", "Description", "Owner's Name", "Roster Split?",
                           "Brand 1 Name", "Brand 2 Name", "TV Coverage", "<<< Back", "Next >>>"}));
    EXPECT_LE(step1.frameGeometry().width(), 1366);
    EXPECT_LE(step1.frameGeometry().height(), 768);

    dialogs.reply("Iron Hour");
    click(step1.field(Step1Field::owner));
    EXPECT_EQ(step1.field(Step1Field::owner)->value(), QStringLiteral("Iron Hour"));
    key(step1.size, Qt::Key_Down);
    EXPECT_EQ(record.get(line::size), "1");
    key(step1.tvcoverage, Qt::Key_Down);
    key(step1.tvcoverage, Qt::Key_Down); // Local for a Basic Indy: set back to None
    EXPECT_EQ(dialogs.texts().back(), promotion::kLocalNeedsSize);
    EXPECT_EQ(step1.tvcoverage->currentText(), QStringLiteral("None"));
    screenshot(&step1, "step1");

    // The logo field and its button both open the picker.
    auto& picker = app.view<ImagePickerView>();
    click(step1.promlogo);
    click(picker.noChangesButton);
    click(step1.logoButton);
    EXPECT_TRUE(step1.isVisible()) << "the step stays usable beside the picker";
    click(picker.useButton);
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("crest.gif"));

    // A pasted line break becomes a space, and the cursor stays at the end.
    step1.description->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("Grit\r\nglory\nalways"));
    step1.description->paste();
    EXPECT_EQ(record.get(line::description), "Grit glory always");
    EXPECT_EQ(step1.description->text(), QStringLiteral("Grit glory always"));
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
    EXPECT_FALSE(app.navigator().quitting());

    click(step1.nextButton);
    EXPECT_FALSE(step1.isVisible()) << "Next leads on to step 2";
}

} // namespace
} // namespace bm::gui
