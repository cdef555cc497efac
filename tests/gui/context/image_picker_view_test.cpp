#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"
#include "gui/promotion/step2_view.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace bm::gui {
namespace {

namespace line = promotion::line;

// A 1x1 GIF89a with a two-colour table, made by hand: Qt reads GIF but
// cannot write it.
const std::string kTinyGif("GIF89a\x01\0\x01\0\x80\0\0\xC0\x20\x30\xFF\xFF\xFF"
                           "\x2C\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0\x3B",
                           35);
// The header of a 24-bit BMP that claims 20000 x 20000 pixels.
const std::string kHugeBmpHeader =
    std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x20\x4E\0\0\x20\x4E\0\0\x01\0\x18", 29) +
    std::string(25, '\0');

class ImagePickerViewTest : public test::GuiTest {
protected:
    ImagePickerView& picker = app.view<ImagePickerView>();
    Step1View& step1 = app.view<Step1View>();
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        game.makeFolder("Images");
        QImage crest(160, 120, QImage::Format_RGB32);
        crest.fill(QColor(0x20, 0x40, 0x90));
        ASSERT_TRUE(crest.save(QString::fromStdString(game.path("Images/a_crest.jpg").string())));
        QImage wide(640, 160, QImage::Format_RGB32);
        wide.fill(Qt::darkRed);
        ASSERT_TRUE(wide.save(QString::fromStdString(game.path("Images/b_wide.bmp").string())));
        game.write("Images/c_tiny.gif", kTinyGif);
        game.write("Images/d_broken.jpg", "this is not a picture");
        game.write("Images/e_huge.bmp", kHugeBmpHeader);

        ASSERT_TRUE(app.start());
        click(app.view<StartScreenView>().newGameButton);
        click(app.view<EditingMenuView>().button(context::MenuButton::Promotions));
        dialogs.reply("bmf.fed");
        click(app.view<PromotionMenuView>().createButton);
        ASSERT_TRUE(step1.isVisible());
    }
    void clickRow(int row) {
        const QRect place = picker.list->visualItemRect(picker.list->item(row));
        QTest::mouseClick(picker.list->viewport(), Qt::LeftButton, {}, place.center());
    }
    QSize previewSize() const { return picker.preview->pixmap().size(); }
};

TEST_F(ImagePickerViewTest, OpensBesideTheStepPreviewsAndEveryWayOutReachesTheModel) {
    const auto before = record.lines();
    click(step1.logoButton);
    ASSERT_TRUE(picker.isVisible());
    EXPECT_TRUE(step1.isVisible()) << "the step stays usable";
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select An Image File"));
    EXPECT_EQ(picker.heading->text(), QStringLiteral("Promotion Logo"));
    EXPECT_EQ(accessibleName(picker.list), QStringLiteral("Promotion Logo"));
    EXPECT_EQ(accessibleName(picker.preview), QStringLiteral("Preview"));
    EXPECT_EQ(picker.useButton->text(), QStringLiteral("Use This Image"));
    EXPECT_EQ(picker.noImageButton->text(), QStringLiteral("Don't Use Any Image"));
    EXPECT_EQ(picker.noChangesButton->text(), QStringLiteral("Make No Changes"));
    EXPECT_FALSE(picker.noImageButton->isEnabled());
    ASSERT_EQ(picker.list->count(), 5);
    EXPECT_EQ(previewSize(), QSize(160, 120)) << "the first file, at its own size";

    const std::pair<int, QSize> previews[] = {
        {1, QSize(320, 80)}, // scaled to fit, aspect kept
        {2, QSize(1, 1)},    // GIF
        {3, QSize()},        // undecodable: empty
        {4, QSize()},        // absurdly large: not loaded
        {0, QSize(160, 120)},
    };
    for (const auto& [row, size] : previews) {
        clickRow(row);
        EXPECT_EQ(picker.preview->pixmap().isNull(), size.isEmpty()) << row;
        EXPECT_EQ(previewSize(), size.isEmpty() ? QSize(0, 0) : size) << row;
    }
    screenshot(&picker, "image_picker");

    // Escape, the window frame, "Make No Changes" and leaving the step all
    // change nothing.
    QTest::keyClick(picker.list, Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    step1.promlogo->setFocus();
    QTest::keyClick(step1.promlogo, Qt::Key_Space);
    ASSERT_TRUE(picker.isVisible());
    picker.close();
    EXPECT_FALSE(picker.isVisible());
    click(step1.logoButton);
    click(picker.noChangesButton);
    EXPECT_FALSE(picker.isVisible());
    click(step1.logoButton);
    click(step1.nextButton);
    EXPECT_FALSE(picker.isVisible());
    click(app.view<Step2View>().backButton);
    EXPECT_EQ(record.lines(), before);
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("default.jpg"));

    click(step1.logoButton);
    clickRow(1);
    click(picker.useButton);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(record.get(line::promlogo), "b_wide.bmp");
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("b_wide.bmp"));

    std::optional<std::string> told;
    app.editor().picker.choose("March Big Show Logo", ui::NoImage::Offered,
                               [&](const std::optional<std::string>& v) { told = v; });
    EXPECT_EQ(picker.heading->text(), QStringLiteral("March Big Show Logo"));
    click(picker.noImageButton);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(told, "NA");
}

} // namespace
} // namespace bm::gui
