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

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <tuple>

namespace bm::gui {
namespace {

using namespace promotion;
using Row = DateCalculatorView::Row;
using Part = DateCalculatorView::Part;

// A hand-made 1x1 GIF (Qt cannot write one); a BMP header claiming 20000x20000.
const std::string kTinyGif("GIF89a\x01\0\x01\0\x80\0\0\xC0\x20\x30\xFF\xFF\xFF"
                           "\x2C\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0\x3B",
                           35);
const std::string kHugeBmpHeader =
    std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x20\x4E\0\0\x20\x4E\0\0\x01\0\x18", 29) +
    std::string(25, '\0');

using PromotionViewsTest = test::GuiTest;

// Menu, chooser, then steps 1 to 8 by Next: each kind of control shows the
// record (odd values as stored) and passes edits on.
TEST_F(PromotionViewsTest, PromotionScreensWiring) {
    const PromotionRecord& record = app.editor().chooser.record();
    const line::ShowLines& show = line::shows[1];
    const line::TitleLines& custom = line::titles[4];
    game.makeFolder("Images");
    for (const auto& [name, size] :
         {std::pair{"a_crest.jpg", QSize(160, 120)}, std::pair{"b_wide.bmp", QSize(640, 160)}}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        ASSERT_TRUE(image.save(QString::fromStdString(game.path("Images/").string() + name)));
    }
    game.write("Images/c_tiny.gif", kTinyGif);
    game.write("Images/d_broken.jpg", "this is not a picture");
    game.write("Images/e_huge.bmp", kHugeBmpHeader);
    const test::LineChanges odd{{line::promname, "Beta Combat League"},
                                {line::size, "7"},
                                {line::tvcoverage, "Cable"},
                                {line::description, std::string(40000, 'x')},
                                {line::nameofbigshow, "Autumn Overdrive"},
                                {line::levelofpromotion, "5"},
                                {line::days, "99"},
                                {custom.titlename, "Harbour Tag Titles"},
                                {custom.titletype, "Tag Team"},
                                {custom.titlegender, "Mixed"},
                                {custom.mindraw, "35"},
                                {custom.holdername, "Iron Belt"},
                                {custom.currentchamp, "Vacant"},
                                {custom.reign, "0"},
                                {custom.defenses, "0"},
                                {custom.historydate, "Never"},
                                {line::popularity, "65"},
                                {line::country, "UK"}};
    game.writeLines("Data/odd.fed", test::withLines(makeTemplateRecord().lines(), odd));
    game.writeLines("Data/alpha.fed", makeTemplateRecord().lines());
    PromotionMenuView& promotionMenu = app.view<PromotionMenuView>();
    PromotionChooserView& chooser = app.view<PromotionChooserView>();
    Step1View& step1 = app.view<Step1View>();
    openFromMenu(context::MenuButton::Promotions);
    EXPECT_EQ(promotionMenu.heading->text() + "|" + promotionMenu.aboutHeading->text() + "|" +
                  tabOrder(&promotionMenu),
              QStringLiteral("Editing Promotions|About Creating Promotions|Create a New "
                             "Promotion|Edit an Existing Promotion|Delete a Promotion|Back"));
    EXPECT_TRUE(promotionMenu.aboutText->text().startsWith("Each promotion in Brawlmark 1.3"));
    screenshot(&promotionMenu, "promotion_menu");
    dialogs.reply("");
    click(promotionMenu.createButton);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "the filename prompt";

    click(promotionMenu.editButton);
    EXPECT_EQ(QStringList({chooser.heading->text(), chooser.promptLine->text(),
                           chooser.nameoffile->text(), tabOrder(&chooser)})
                  .join('|'),
              QStringLiteral("Edit Promotion|Select Promotion To Edit|filename|[Edit "
                             "Promotion]|Edit This Promotion|Back"));
    clickRow(chooser.list, 1);
    EXPECT_EQ(chooser.promptLine->text(), QStringLiteral("Beta Combat League"));
    screenshot(&chooser, "promotion_chooser");
    QTest::keyClick(chooser.list, Qt::Key_Return); // activating an entry acts too
    EXPECT_EQ(step1.field(Step1Field::promname)->value(), QStringLiteral("Beta Combat League"));
    dialogs.yes();
    click(step1.backButton);
    EXPECT_EQ(chooser.list->selectedItems().size(), 1) << "as it was left";
    click(chooser.actionButton);

    // Back and Next, made first, come first in the Tab round.
    const auto shows = [this](QWidget* step, const QString& tabs, const QString& name) {
        ASSERT_TRUE(step->isVisible()) << name.toStdString();
        EXPECT_EQ(tabOrder(step), "<<< Back|" + tabs);
        screenshot(step, name);
    };

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
    shows(&step1,
          "Next >>>|Promotion Initials|Promotion Name|Promotion Logo|Choose the promotion "
          "logo|Promotion Size|Bank Balance ($)|Web Site|Description|Owner's Name|Roster "
          "Split?|Brand 1 Name|Brand 2 Name|TV Coverage",
          "step1");
    dialogs.reply("Mack & Dunn"); // a value is data: its ampersand makes no shortcut
    key(step1.field(Step1Field::owner), Qt::Key_Space);
    EXPECT_TRUE(step1.field(Step1Field::owner)->shortcut().isEmpty());
    key(step1.size, Qt::Key_Down);
    ImagePickerView& picker = app.view<ImagePickerView>();
    click(step1.promlogo); // the logo field and its button both open the picker
    EXPECT_TRUE(step1.isVisible()) << "beside the step";
    EXPECT_EQ(QStringList({picker.windowTitle(), picker.heading->text(),
                           accessibleName(picker.preview), tabOrder(&picker)})
                  .join('|'),
              QStringLiteral("Select An Image File|Promotion Logo|Preview|[Promotion Logo]|Use "
                             "This Image|Make No Changes"));
    // The preview: first file at its size; wide: fitted; GIF; undecodable, huge: empty.
    const std::pair<int, QSize> previews[] = {{-1, {160, 120}}, {1, {320, 80}}, {2, {1, 1}},
                                              {3, {0, 0}},      {4, {0, 0}},    {0, {160, 120}}};
    for (const auto& [row, size] : previews) {
        if (row >= 0) {
            clickRow(picker.list, row);
        }
        EXPECT_EQ(picker.preview->pixmap().size(), size) << row;
    }
    screenshot(&picker, "image_picker");
    picker.close(); // the window frame: no change
    EXPECT_FALSE(app.navigator().quitting());
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("default.jpg"));
    click(step1.logoButton);
    clickRow(picker.list, 1);
    click(picker.useButton);
    EXPECT_EQ(std::tuple(step1.field(Step1Field::owner)->value(), record.get(line::size),
                         step1.promlogo->value()),
              std::tuple(QStringLiteral("Mack & Dunn"), "1", QStringLiteral("b_wide.bmp")));
    // A pasted line break becomes a space, and the cursor stays at the end.
    step1.description->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("Grit\r\nglory\nalways"));
    step1.description->paste();
    EXPECT_EQ(record.get(line::description), "Grit glory always");
    EXPECT_EQ(step1.description->cursorPosition(), step1.description->text().size());
    dialogs.clear();
    QTest::mouseDClick(step1.description, Qt::LeftButton);
    QTest::keyClick(step1.description, Qt::Key_F1);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>(2, std::string(kDescriptionHelp)));
    dialogs.no(); // closing the window with edits unsaved asks first; No keeps it
    step1.close();
    EXPECT_EQ(dialogs.shown().size(), 3u);
    click(step1.nextButton);

    Step2View& step2 = app.view<Step2View>();
    shows(&step2,
          "Next >>>|[Primary Show 1]|Name Of Show|Day Of This Show|Show Logo|Choose the show "
          "logo|Brand Of Show|Type Of Show|Fan Popularity|Av. TV Rating/Buys",
          "step2");
    click(step2.shows->item(1));
    step2.popularity->setSliderDown(true); // a drag stores as it goes
    step2.popularity->setSliderPosition(64);
    key(step2.showday, Qt::Key_Down);
    dialogs.reply("Iron Hour");
    click(step2.field(Step2Field::nameofshow));
    click(step2.logoButton);
    clickRow(picker.list, 0);
    QTest::keyClick(picker.list, Qt::Key_Return);
    click(step2.logoButton); // Escape and "Make No Changes" leave it
    clickRow(picker.list, 1);
    QTest::keyClick(picker.list, Qt::Key_Escape);
    click(step2.logoButton);
    clickRow(picker.list, 1);
    click(picker.noChangesButton);
    EXPECT_EQ(std::tuple(record.get(show.percentage), record.get(show.showday),
                         record.get(show.nameofshow), record.get(show.showlogo)),
              std::tuple("64", "Tuesday", "Iron Hour", "a_crest.jpg"));
    EXPECT_EQ(step2.percentage->text() + "|" + step2.showlogo->value(),
              QStringLiteral("64%|a_crest.jpg"));
    click(step2.logoButton);
    click(picker.noImageButton);
    EXPECT_EQ(std::tuple(record.get(show.showlogo), picker.isVisible()), std::tuple("NA", false));
    click(step2.nextButton);

    Step3View& step3 = app.view<Step3View>();
    shows(&step3,
          "Next >>>|Max Untelevised Attendence|Max Televised Attendence|Production Values - "
          "Primary Shows|Production Values - Secondary Shows|Production Values - Big Shows",
          "step3");
    key(step3.production(Production::bigshowprod), Qt::Key_End);
    click(step3.nextButton);

    Step4View& step4 = app.view<Step4View>();
    shows(&step4,
          "Next >>>|Monthly PPV Deal?|Av. PPV Buy-Rate|Max Big Show Attendence|[Jan]|Big Show "
          "Name|Big Show Brand|Big Show Logo|Choose the big show logo",
          "step4");
    click(step4.months->item(2));
    key(step4.bigshowbrand, Qt::Key_Down);
    click(step4.logoButton);
    click(step4.nextButton); // leaving closes the picker unanswered
    EXPECT_FALSE(picker.isVisible());

    Step5View& step5 = app.view<Step5View>();
    shows(&step5,
          "Next >>>|Name Of Big Show|Level Of Promotion|Date Of Big Show|Days Since Announced",
          "step5");
    EXPECT_EQ(
        std::tuple(step5.level->placeholderText(), step5.daysBar->value(), step5.days->text()),
        std::tuple(QStringLiteral("5"), 40, QStringLiteral("99")));
    key(step5.level, Qt::Key_Down);
    step5.daysBar->setValue(12); // as a drag does
    key(step5.daysBar, Qt::Key_Right);
    click(step5.nextButton);

    Step6View& step6 = app.view<Step6View>();
    EXPECT_FALSE(step6.list(TitleList::titletype)->isEnabled());
    // The titles bar: arrows move without selecting; Space or Enter selects.
    const ui::Selection& titles = app.editor().step6.titles();
    std::vector<int> selected;
    for (const auto& [item, k] : {std::pair{2, Qt::Key_Left},
                                  {2, Qt::Key_Right},
                                  {1, Qt::Key_Space},
                                  {3, Qt::Key_Return}}) {
        QTest::keyClick(step6.titles->item(item), k);
        selected.push_back(titles.selected());
    }
    EXPECT_EQ(selected, (std::vector<int>{0, 0, 1, 3}));
    click(step6.titles->item(4));
    for (const int i : {3, 4}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(step6.titles->item(i));
        EXPECT_EQ(
            std::tuple(a->role(), a->state().checked,
                       step6.titles->item(i)->grab().toImage().pixelColor(1, 1)),
            std::tuple(QAccessible::RadioButton, i == 4, QColor(i == 4 ? 0xFFFFFF : 0xC0C0C0)));
    }
    shows(&step6,
          "Next >>>|[Custom 1]|Title Name|Holder Name|Type|Value Of Title|Gender|Weight "
          "Class|Hardcore?|Minimum Draw Of Holder|Brand|Current Champion(s)|Holder #1|Holder "
          "#2|Current Reign (Days)|Click Here To Calculate A Title Reign|# Defenses So Far|Date Of "
          "Title Change",
          "step6");
    EXPECT_EQ(step6.list(TitleList::titlegender)->placeholderText() + "|" +
                  step6.barValue(TitleBar::mindraw)->text(),
              QStringLiteral("Mixed|35"));
    key(step6.list(TitleList::titletype), Qt::Key_Up);
    key(step6.bar(TitleBar::mindraw), Qt::Key_Right);
    key(step6.calculatorLink, Qt::Key_Return); // beside the step, which stays usable
    DateCalculatorView& calculator = app.view<DateCalculatorView>();
    EXPECT_EQ(calculator.windowTitle() + "|" + calculator.rowBox(Row::TitleWon)->title() + "|" +
                  calculator.rowBox(Row::GameStart)->title() + "|" + tabOrder(&calculator),
              QStringLiteral("Date Calculator|Enter The Date The Wrestler(s) Won The Title|Enter "
                             "The Start Date Of The Game|Day|Number|Month|Year|Day|Number|Month|"
                             "Year|Calculate"));
    const QStringList dates[] = {{"Thursday", "1", "January", "2004"},
                                 {"Saturday", "1", "January", "2005"}};
    for (const Row row : {Row::TitleWon, Row::GameStart}) {
        for (int i = 0; i < 4; ++i) {
            QComboBox* list = calculator.list(row, static_cast<Part>(i));
            EXPECT_EQ(list->currentIndex(), -1) << "nothing chosen yet";
            EXPECT_EQ(list->accessibleDescription(), calculator.rowBox(row)->title());
            list->setCurrentIndex(list->findText(dates[static_cast<int>(row)][i]));
        }
    }
    QTest::keyClick(calculator.calculateButton, Qt::Key_Return);
    EXPECT_EQ(calculator.result->text(), QStringLiteral("Number Of Days Between The Dates: 366"));
    screenshot(&calculator, "date_calculator");
    click(step6.titles->item(1)); // the step stays usable beside it
    EXPECT_EQ(titles.selected(), 1);
    QTest::keyClick(calculator.calculateButton, Qt::Key_Escape);
    EXPECT_FALSE(calculator.isVisible());
    click(step6.nextButton);

    Step7View& step7 = app.view<Step7View>();
    shows(
        &step7,
        "Next >>>|Brand 1 Power Figure 1 Name|Brand 1 Power Figure 1 Title|Brand 1 Power Figure "
        "2 Name|Brand 1 Power Figure 2 Title|Brand 2 Power Figure 1 Name|Brand 2 Power Figure 1 "
        "Title|Brand 2 Power Figure 2 Name|Brand 2 Power Figure 2 Title|Interviewer 1|Interviewer "
        "2",
        "step7");
    dialogs.reply("Hank Mulvaney");
    QTest::keyClick(step7.field(Step7Field::brand2powerfig1name), Qt::Key_Enter);
    EXPECT_EQ(accessibleName(step7.field(Step7Field::brand2powerfig1name)) + "|" +
                  step7.field(Step7Field::brand2powerfig1name)->accessibleDescription(),
              QStringLiteral("Brand 2 Power Figure 1 Name|Hank Mulvaney"));
    click(step7.nextButton);

    Step8View& step8 = app.view<Step8View>();
    shows(
        &step8,
        "SAVE|Brand 1 Talk Show Segment Name|Brand 1 Talk Show Segment Host|Name Of Show This "
        "Segment Is On|Brand 2 Talk Show Segment Name|Brand 2 Talk Show Segment Host|Name Of Show "
        "This Segment Is On|Promotion's Overall Popularity|Country Promotion Is Based In",
        "step8");
    EXPECT_EQ(step8.heading->text() + "|" + step8.popularityBar->accessibleDescription() + "|" +
                  step8.country->currentText(),
              QStringLiteral("Step 8 of 8|65%|UK"));
    step8.popularityBar->setSliderDown(true);
    step8.popularityBar->setSliderPosition(0);
    key(step8.country, Qt::Key_Down);
    EXPECT_EQ(std::tuple(record.get(line::bigshowprod), record.get(line::months[2].bigshowbrand),
                         record.get(line::levelofpromotion), record.get(line::days),
                         record.get(custom.titletype), record.get(custom.mindraw),
                         record.get(line::brand2powerfig1name), record.get(line::popularity)),
              std::tuple("20", "Brand 1", "1", "13", "Singles", "36", "Hank Mulvaney", "0"));
    dialogs.clear();
    click(step8.nextButton); // SAVE writes the file and leaves for the menu
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"odd.fed saved OK."});
    EXPECT_TRUE(app.view<PromotionMenuView>().isVisible());
    EXPECT_NE(game.read("Data/odd.fed").find("\r\nJapan\r\n"), std::string::npos);
    click(promotionMenu.backButton);
    EXPECT_TRUE(app.view<EditingMenuView>().isVisible());
}

} // namespace
} // namespace bm::gui
