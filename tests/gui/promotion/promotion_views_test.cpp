#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "gui/ui/text_codec.h"

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
    PromotionMenuView& promotionMenu = *app.promotionMenuView;
    PromotionChooserView& chooser = *app.chooserView;
    Step1View& step1 = *app.step1View;
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        ASSERT_TRUE(app.start());
        click(app.startView->newGameButton);
        click(app.menuView->button(context::MenuButton::Promotions));
        ASSERT_TRUE(promotionMenu.isVisible());
    }
    void writePromotion(std::string_view file, std::string initials, std::string name) {
        platform::Lines lines = promotion::makeTemplateRecord().lines();
        lines[line::prominitials] = std::move(initials);
        lines[line::promname] = std::move(name);
        game.writeLines("Data/" + std::string(file), lines);
    }
    void clickRow(QListWidget* list, int row) {
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    void createPromotion() {
        dialogs.reply("bmf.fed");
        click(promotionMenu.createButton);
        dialogs.clear();
        ASSERT_TRUE(step1.isVisible());
    }
    static QString accessibleDescription(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Description) : QString();
    }
};

TEST_F(PromotionViewsTest, MenuShowsItsButtonsAndNoteAndLeadsBack) {
    for (QWidget* w : std::initializer_list<QWidget*>{&promotionMenu, &chooser, &step1}) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Brawlmark 1.3 Official Editor"));
    }
    EXPECT_EQ(promotionMenu.heading->text(), QStringLiteral("Editing Promotions"));
    EXPECT_EQ(promotionMenu.createButton->text(), QStringLiteral("Create a New Promotion"));
    EXPECT_EQ(promotionMenu.editButton->text(), QStringLiteral("Edit an Existing Promotion"));
    EXPECT_EQ(promotionMenu.deleteButton->text(), QStringLiteral("Delete a Promotion"));
    EXPECT_EQ(promotionMenu.aboutHeading->text(), QStringLiteral("About Creating Promotions"));
    EXPECT_TRUE(promotionMenu.aboutText->text().startsWith("Each promotion in Brawlmark 1.3"));
    EXPECT_FALSE(app.menuView->isVisible());
    screenshot(&promotionMenu, "promotion_menu");

    click(promotionMenu.backButton);
    EXPECT_TRUE(app.menuView->isVisible());
    EXPECT_FALSE(promotionMenu.isVisible());
}

TEST_F(PromotionViewsTest, ChooserShowsNamesAndLoadsTheChosenFileIntoStepOne) {
    writePromotion("alpha.fed", "ALP", "Alpha Wrestling Union");
    writePromotion("beta.fed", "BET", "Beta Combat League");
    game.write("Data/GAMMA.FED", "");
    click(promotionMenu.editButton);
    ASSERT_TRUE(chooser.isVisible());
    EXPECT_FALSE(promotionMenu.isVisible());
    EXPECT_EQ(chooser.heading->text(), QStringLiteral("Edit Promotion"));
    EXPECT_EQ(chooser.promptLine->text(), QStringLiteral("Select Promotion To Edit"));
    EXPECT_EQ(chooser.actionButton->text(), QStringLiteral("Edit This Promotion"));
    EXPECT_EQ(chooser.nameoffile->text(), QStringLiteral("filename"));
    EXPECT_EQ(accessibleName(chooser.list), QStringLiteral("Edit Promotion"));
    ASSERT_EQ(chooser.list->count(), 2);

    click(chooser.actionButton); // nothing selected: nothing happens
    EXPECT_TRUE(chooser.isVisible());

    clickRow(chooser.list, 1);
    EXPECT_EQ(chooser.promptLine->text(), QStringLiteral("Beta Combat League"));
    screenshot(&chooser, "promotion_chooser");

    click(chooser.actionButton);
    ASSERT_TRUE(step1.isVisible());
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(step1.field(Step1Field::prominitials)->value(), QStringLiteral("BET"));
    EXPECT_EQ(step1.field(Step1Field::promname)->value(), QStringLiteral("Beta Combat League"));
    EXPECT_EQ(step1.size->currentText(), QStringLiteral("Basic Indy"));
    EXPECT_EQ(step1.rostersplit->currentText(), QStringLiteral("No"));
    EXPECT_EQ(step1.tvcoverage->currentText(), QStringLiteral("None"));
    EXPECT_EQ(step1.description->text(), QStringLiteral("A new promotion."));
    EXPECT_EQ(chooser.nameoffile->text(), QStringLiteral("beta.fed"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PromotionViewsTest, DeleteRefreshesTheListWithNothingSelected) {
    writePromotion("alpha.fed", "ALP", "Alpha Wrestling Union");
    writePromotion("beta.fed", "BET", "Beta Combat League");
    click(promotionMenu.deleteButton);
    EXPECT_EQ(chooser.actionButton->text(), QStringLiteral("Delete This Promotion"));
    clickRow(chooser.list, 0);
    dialogs.yes();
    click(chooser.actionButton);
    EXPECT_EQ(dialogs.texts().back(), "Promotion Deleted.");
    ASSERT_EQ(chooser.list->count(), 1);
    EXPECT_EQ(chooser.list->item(0)->text(), QStringLiteral("beta.fed"));
    EXPECT_TRUE(chooser.list->selectedItems().isEmpty());
    click(chooser.backButton);
    EXPECT_TRUE(promotionMenu.isVisible());
}

TEST_F(PromotionViewsTest, StepOneFieldsAreAnnouncedAndEditedByMouseOrKeyboard) {
    createPromotion();
    EXPECT_EQ(step1.heading->text(), QStringLiteral("Step 1 of 8"));
    EXPECT_EQ(step1.hint->text(), QStringLiteral("Click On A Stat To Edit"));
    for (const auto& p : promotion::kStep1Prompts) {
        ValueField* f = step1.field(p.field);
        EXPECT_EQ(accessibleName(f), toDisplay(p.caption));
        EXPECT_EQ(step1.caption(p.field)->text(), toDisplay(p.caption));
        EXPECT_EQ(accessibleDescription(f), toDisplay(record.get(p.line))) << p.caption;
    }
    EXPECT_EQ(accessibleName(step1.promlogo), QStringLiteral("Promotion Logo"));
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("default.jpg"));
    // Drop-downs are named by their caption label (on Linux the accessible
    // name of a combo box is its current text; the label relation names it).
    const std::pair<QWidget*, QString> lists[] = {
        {step1.size, QStringLiteral("Promotion Size")},
        {step1.description, QStringLiteral("Description")},
        {step1.rostersplit, QStringLiteral("Roster Split?")},
        {step1.tvcoverage, QStringLiteral("TV Coverage")},
    };
    for (const auto& [control, caption] : lists) {
        EXPECT_EQ(control->accessibleName(), caption);
        const auto labels = step1.findChildren<QLabel*>();
        EXPECT_EQ(
            std::count_if(labels.begin(), labels.end(),
                          [&](QLabel* l) { return l->buddy() == control && l->text() == caption; }),
            1)
            << caption.toStdString();
    }
    EXPECT_EQ(step1.size->count(), 6);

    dialogs.reply("250,000");
    click(step1.field(Step1Field::bankbalance));
    EXPECT_EQ(step1.field(Step1Field::bankbalance)->value(), QStringLiteral("250"));
    EXPECT_EQ(record.get(line::bankbalance), "250");

    step1.field(Step1Field::owner)->setFocus();
    dialogs.reply("Mireille Ostrander");
    QTest::keyClick(step1.field(Step1Field::owner), Qt::Key_Return);
    EXPECT_EQ(record.get(line::owner), "Mireille Ostrander");
    EXPECT_EQ(accessibleDescription(step1.field(Step1Field::owner)),
              QStringLiteral("Mireille Ostrander"));

    // The brands follow the roster split.
    EXPECT_FALSE(step1.field(Step1Field::brand1)->isEnabled());
    EXPECT_FALSE(step1.caption(Step1Field::brand2)->isEnabled());
    step1.rostersplit->setFocus();
    QTest::keyClick(step1.rostersplit, Qt::Key_Up);
    EXPECT_EQ(record.get(line::rostersplit), "Yes");
    EXPECT_TRUE(step1.field(Step1Field::brand1)->isEnabled());
    EXPECT_TRUE(step1.caption(Step1Field::brand2)->isEnabled());
    EXPECT_EQ(step1.field(Step1Field::brand2)->value(), QStringLiteral("Brand 2"));

    // A refused coverage is corrected on screen too.
    step1.tvcoverage->setFocus();
    QTest::keyClick(step1.tvcoverage, Qt::Key_Down);
    EXPECT_EQ(dialogs.texts().back(),
              "The promotion size must be 'Indy With Local TV' to have Local TV.");
    EXPECT_EQ(step1.tvcoverage->currentText(), QStringLiteral("None"));
    EXPECT_EQ(record.get(line::tvcoverage), "None");

    step1.size->setFocus();
    QTest::keyClick(step1.size, Qt::Key_Down);
    EXPECT_EQ(record.get(line::size), "2");
    screenshot(&step1, "step1");
}

TEST_F(PromotionViewsTest, DescriptionIsStoredAsTypedWithLineBreaksAsSpacesAndHasHelp) {
    createPromotion();
    step1.description->setFocus();
    step1.description->selectAll();
    QTest::keyClicks(step1.description, "Grit");
    EXPECT_EQ(record.get(line::description), "Grit");

    QApplication::clipboard()->setText(QStringLiteral(" and\r\nglory\nalways"));
    step1.description->paste();
    EXPECT_EQ(record.get(line::description), "Grit and glory always");
    EXPECT_EQ(step1.description->text(), QStringLiteral("Grit and glory always"));
    EXPECT_EQ(step1.description->cursorPosition(), step1.description->text().size());

    step1.description->selectAll();
    QTest::keyClick(step1.description, Qt::Key_A);
    QTest::keyClick(step1.description, Qt::Key_Backspace);
    EXPECT_EQ(record.get(line::description), "");
    EXPECT_EQ(step1.description->placeholderText(),
              QStringLiteral("The BM-ist promotion around..."));

    QTest::mouseDClick(step1.description, Qt::LeftButton);
    QTest::keyClick(step1.description, Qt::Key_F1);
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>(2, "Type in a short description of this promotion, to help "
                                           "a new player when choosing which promotion to "
                                           "control.")));
}

TEST_F(PromotionViewsTest, StoredValuesOutsideTheListsAreShownAsTheyAre) {
    platform::Lines lines = promotion::makeTemplateRecord().lines();
    lines[line::size] = "7";
    lines[line::rostersplit] = "Maybe";
    lines[line::tvcoverage] = "Cable";
    lines[line::description] = std::string(40000, 'x');
    game.writeLines("Data/odd.fed", lines);
    click(promotionMenu.editButton);
    clickRow(chooser.list, 0);
    click(chooser.actionButton);
    ASSERT_TRUE(step1.isVisible());
    EXPECT_EQ(step1.size->currentIndex(), -1);
    EXPECT_EQ(step1.size->placeholderText(), QStringLiteral("7"));
    EXPECT_EQ(step1.rostersplit->placeholderText(), QStringLiteral("Maybe"));
    EXPECT_EQ(step1.tvcoverage->placeholderText(), QStringLiteral("Cable"));
    EXPECT_TRUE(step1.field(Step1Field::brand1)->isEnabled());
    EXPECT_EQ(step1.description->text().size(), 40000) << "a long line is not cut";
    screenshot(&step1, "step1_odd_values");

    step1.size->setFocus();
    QTest::keyClick(step1.size, Qt::Key_Down);
    EXPECT_EQ(step1.size->currentIndex(), 0);
    EXPECT_EQ(step1.size->placeholderText(), QString());
    EXPECT_EQ(record.get(line::size), "1");
}

TEST_F(PromotionViewsTest, TabFollowsTheVisualOrderAndBackReturnsToTheChooser) {
    createPromotion();
    click(step1.nextButton);
    EXPECT_TRUE(step1.isVisible()) << "no step 2 window yet: Next keeps step 1";
    step1.rostersplit->setFocus();
    QTest::keyClick(step1.rostersplit, Qt::Key_Up); // brands on: they take part

    std::vector<QWidget*> expected{step1.field(Step1Field::prominitials),
                                   step1.field(Step1Field::promname),
                                   step1.promlogo,
                                   step1.logoButton,
                                   step1.size,
                                   step1.field(Step1Field::bankbalance),
                                   step1.field(Step1Field::website),
                                   step1.description,
                                   step1.field(Step1Field::owner),
                                   step1.rostersplit,
                                   step1.field(Step1Field::brand1),
                                   step1.field(Step1Field::brand2),
                                   step1.tvcoverage,
                                   step1.backButton,
                                   step1.nextButton};
    std::vector<QWidget*> chain;
    QWidget* w = expected.front();
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
            w->window() == &step1) {
            chain.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != expected.front() && chain.size() < 40);
    EXPECT_EQ(chain, expected);

    dialogs.yes();
    click(step1.backButton);
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_FALSE(step1.isVisible());
    EXPECT_EQ(chooser.heading->text(), QStringLiteral("Edit Promotion"));
    EXPECT_EQ(chooser.nameoffile->text(), QStringLiteral("bmf.fed"));
}

} // namespace
} // namespace bm::gui
