#include "gui/gui_fixture.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <optional>
#include <tuple>

namespace bm::gui {
namespace {

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
    std::vector<std::optional<std::string>> told; // what the opener heard
    std::size_t opened = 0;

    void SetUp() override {
        game.makeFolder("Images");
        for (const auto& [name, size, colour] :
             {std::tuple{"a_crest.jpg", QSize(160, 120), QColor(0x20, 0x40, 0x90)},
              std::tuple{"b_wide.bmp", QSize(640, 160), QColor(Qt::darkRed)}}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(colour);
            ASSERT_TRUE(image.save(QString::fromStdString(game.path("Images/").string() + name)));
        }
        game.write("Images/c_tiny.gif", kTinyGif);
        game.write("Images/d_broken.jpg", "this is not a picture");
        game.write("Images/e_huge.bmp", kHugeBmpHeader);
        ASSERT_TRUE(app.start());
    }
    void open(ui::NoImage noImage) {
        app.editor().picker.choose(
            "Show 2 Logo", noImage,
            [this](const std::optional<std::string>& v) { told.push_back(v); });
        ASSERT_TRUE(picker.isVisible());
        EXPECT_EQ(told.size(), opened++) << "closed before it opens again";
    }
    void clickRow(int row) {
        const QRect place = picker.list->visualItemRect(picker.list->item(row));
        QTest::mouseClick(picker.list->viewport(), Qt::LeftButton, {}, place.center());
    }
};

// The preview is the view's own: scaled to fit, and safe with odd files.
TEST_F(ImagePickerViewTest, ImagePickerWiring) {
    open(ui::NoImage::NotOffered);
    EXPECT_TRUE(app.view<StartScreenView>().isVisible()) << "the caller stays";
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select An Image File"));
    EXPECT_EQ(picker.heading->text(), QStringLiteral("Show 2 Logo"));
    EXPECT_EQ(accessibleName(picker.list), QStringLiteral("Show 2 Logo"));
    EXPECT_EQ(accessibleName(picker.preview), QStringLiteral("Preview"));
    EXPECT_EQ(picker.useButton->text() + "|" + picker.noImageButton->text() + "|" +
                  picker.noChangesButton->text(),
              QStringLiteral("Use This Image|Don't Use Any Image|Make No Changes"));
    EXPECT_FALSE(picker.noImageButton->isEnabled());
    ASSERT_EQ(picker.list->count(), 5);

    const std::pair<int, QSize> previews[] = {
        {-1, QSize(160, 120)}, // opened: the first file, at its own size
        {1, QSize(320, 80)},   // scaled to fit, aspect kept
        {2, QSize(1, 1)},      // GIF
        {3, QSize()},          // undecodable: empty
        {4, QSize()},          // absurdly large: not loaded
        {0, QSize(160, 120)},
    };
    for (const auto& [row, size] : previews) {
        if (row >= 0) {
            clickRow(row);
        }
        EXPECT_EQ(picker.preview->pixmap().size(), size.isEmpty() ? QSize(0, 0) : size) << row;
    }
    screenshot(&picker, "image_picker");

    // Each way out tells the model once, and the picker is gone.
    QTest::keyClick(picker.list, Qt::Key_Escape);
    open(ui::NoImage::Offered);
    picker.close(); // the window frame
    open(ui::NoImage::Offered);
    click(picker.noChangesButton);
    open(ui::NoImage::Offered);
    clickRow(1);
    click(picker.useButton);
    open(ui::NoImage::Offered);
    clickRow(0);
    QTest::keyClick(picker.list, Qt::Key_Return);
    open(ui::NoImage::Offered);
    click(picker.noImageButton);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(told,
              (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt, std::nullopt,
                                                       "b_wide.bmp", "a_crest.jpg", "NA"}));
}

} // namespace
} // namespace bm::gui
