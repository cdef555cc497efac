#include "gui/gui_fixture.h"

#include "core/promotion/record/promotion_layout.h"

#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace bm::gui {
namespace {

namespace line = promotion::line;

// A 1x1 GIF89a, assembled by hand since Qt reads GIF but cannot write it.
std::string tinyGif() {
    const unsigned char bytes[] = {
        'G',  'I',  'F',  '8', '9', 'a', //
        1,    0,    1,    0,             // logical screen 1 x 1
        0x80, 0,    0,                   // global colour table of 2 entries; background 0
        0xC0, 0x20, 0x30,                // colour 0
        0xFF, 0xFF, 0xFF,                // colour 1
        0x2C, 0,    0,    0,   0,   1,   0, 1, 0, 0, // image at 0,0, 1 x 1, no local table
        2,                                           // LZW minimum code size
        2,    0x44, 0x01,                            // one sub-block: clear, pixel 0, end
        0,                                           // no more sub-blocks
        0x3B,                                        // trailer
    };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// The header of a BMP that claims to be 20000 x 20000 pixels.
std::string hugeBmpHeader() {
    std::string b(54, '\0');
    auto put32 = [&b](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, 20000);
    put32(22, 20000);
    b[26] = 1;
    b[28] = 24;
    return b;
}

class ImagePickerViewTest : public test::GuiTest {
protected:
    ImagePickerView& picker = *app.pickerView;
    Step1View& step1 = *app.step1View;
    promotion::PromotionRecord& record = app.editor().chooser.record();

    void SetUp() override {
        game.makeFolder("Images");
        QImage crest(160, 120, QImage::Format_RGB32);
        crest.fill(QColor(0x20, 0x40, 0x90));
        QPainter painter(&crest);
        painter.fillRect(40, 30, 80, 60, QColor(0xE0, 0xB0, 0x20));
        painter.end();
        ASSERT_TRUE(crest.save(QString::fromStdString(game.path("Images/a_crest.jpg").string())));
        QImage wide(640, 160, QImage::Format_RGB32);
        wide.fill(Qt::darkRed);
        ASSERT_TRUE(wide.save(QString::fromStdString(game.path("Images/b_wide.bmp").string())));
        game.write("Images/c_tiny.gif", tinyGif());
        game.write("Images/d_broken.jpg", "this is not a picture");
        game.write("Images/e_huge.bmp", hugeBmpHeader());

        ASSERT_TRUE(app.start());
        click(app.startView->newGameButton);
        click(app.menuView->button(context::MenuButton::Promotions));
        dialogs.reply("bmf.fed");
        click(app.promotionMenuView->createButton);
        ASSERT_TRUE(step1.isVisible());
    }
    void clickRow(int row) {
        const QRect place = picker.list->visualItemRect(picker.list->item(row));
        QTest::mouseClick(picker.list->viewport(), Qt::LeftButton, {}, place.center());
    }
    QSize previewSize() const { return picker.preview->pixmap().size(); }
};

TEST_F(ImagePickerViewTest, HandMadeGifIsAValidPicture) {
    QImageReader reader(QString::fromStdString(game.path("Images/c_tiny.gif").string()));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(1, 1));
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(0xC0, 0x20, 0x30));
}

TEST_F(ImagePickerViewTest, OpensBesideStepOneAndPreviewsEachClickedFile) {
    click(step1.logoButton);
    ASSERT_TRUE(picker.isVisible());
    EXPECT_TRUE(step1.isVisible()) << "the step stays usable";
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select An Image File"));
    EXPECT_EQ(picker.heading->text(), QStringLiteral("Promotion Logo"));
    EXPECT_EQ(accessibleName(picker.list), QStringLiteral("Promotion Logo"));
    EXPECT_FALSE(picker.noImageButton->isEnabled());
    ASSERT_EQ(picker.list->count(), 5);
    EXPECT_EQ(previewSize(), QSize(160, 120)) << "the first file, at its own size";

    clickRow(1);
    EXPECT_EQ(previewSize(), QSize(320, 80)) << "scaled to fit, aspect kept";
    clickRow(2);
    EXPECT_EQ(previewSize(), QSize(1, 1));
    clickRow(3);
    EXPECT_TRUE(picker.preview->pixmap().isNull()) << "undecodable: empty preview";
    clickRow(4);
    EXPECT_TRUE(picker.preview->pixmap().isNull()) << "absurdly large: not loaded";
    clickRow(0);
    EXPECT_EQ(previewSize(), QSize(160, 120));
    screenshot(&picker, "image_picker");

    clickRow(1);
    click(picker.useButton);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(record.get(line::promlogo), "b_wide.bmp");
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("b_wide.bmp"));
    EXPECT_TRUE(picker.noImageButton->isEnabled()) << "ready for the next opening";
}

TEST_F(ImagePickerViewTest, EscapeAndTheWindowFrameMakeNoChanges) {
    const auto before = record.lines();
    click(step1.logoButton);
    clickRow(2);
    QTest::keyClick(picker.list, Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());

    step1.promlogo->setFocus();
    QTest::keyClick(step1.promlogo, Qt::Key_Space);
    ASSERT_TRUE(picker.isVisible());
    picker.close();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(record.lines(), before);
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("default.jpg"));
    EXPECT_EQ(dialogs.shown().size(), 1u) << "only the filename prompt; no question on close";
}

TEST_F(ImagePickerViewTest, ShowLogosCanBeClearedAndAnEmptyFolderChangesNothing) {
    auto& model = app.editor().picker;
    std::vector<std::string> told;
    model.open(context::bigShowLogoHeading(3),
               [&told](const std::string& v) { told.push_back(v); });
    ASSERT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.heading->text(), QStringLiteral("March Big Show Logo"));
    EXPECT_TRUE(picker.noImageButton->isEnabled());
    click(picker.noImageButton);
    EXPECT_EQ(record.get(57), "NA");
    EXPECT_EQ(told, std::vector<std::string>{"NA"});

    for (const char* name :
         {"a_crest.jpg", "b_wide.bmp", "c_tiny.gif", "d_broken.jpg", "e_huge.bmp"}) {
        std::filesystem::remove(game.path(std::string("Images/") + name));
    }
    const auto before = record.lines();
    click(step1.logoButton);
    EXPECT_EQ(picker.list->count(), 0);
    EXPECT_TRUE(picker.preview->pixmap().isNull());
    click(picker.useButton);
    EXPECT_EQ(record.lines(), before);
    EXPECT_EQ(step1.promlogo->value(), QStringLiteral("default.jpg"));
}

} // namespace
} // namespace bm::gui
