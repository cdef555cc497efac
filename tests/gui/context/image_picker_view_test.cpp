#include "gui/gui_fixture.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>

#include <functional>
#include <optional>

namespace bm::gui {
namespace {

// A 1x1 GIF89a made by hand (Qt cannot write GIF), and the header of a BMP
// that claims 20000 x 20000 pixels.
const std::string kTinyGif("GIF89a\x01\0\x01\0\x80\0\0\xC0\x20\x30\xFF\xFF\xFF"
                           "\x2C\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0\x3B",
                           35);
const std::string kHugeBmpHeader =
    std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x20\x4E\0\0\x20\x4E\0\0\x01\0\x18", 29) +
    std::string(25, '\0');

using ImagePickerViewTest = test::GuiTest;

// The preview is the view's own: scaled to fit, and safe with odd files.
TEST_F(ImagePickerViewTest, ImagePickerWiring) {
    ImagePickerView& picker = app.view<ImagePickerView>();
    for (const auto& [name, size] :
         {std::pair{"a_crest.jpg", QSize(160, 120)}, std::pair{"b_wide.bmp", QSize(640, 160)}}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        game.makeFolder("Images");
        ASSERT_TRUE(image.save(QString::fromStdString(game.path("Images/").string() + name)));
    }
    game.write("Images/c_tiny.gif", kTinyGif);
    game.write("Images/d_broken.jpg", "this is not a picture");
    game.write("Images/e_huge.bmp", kHugeBmpHeader);
    ASSERT_TRUE(app.start());
    std::vector<std::optional<std::string>> told; // what the opener heard
    const auto open = [&](ui::NoImage noImage) {
        app.editor().picker.choose("Show 2 Logo", noImage,
                                   [&](const std::optional<std::string>& v) { told.push_back(v); });
    };
    open(ui::NoImage::NotOffered);
    EXPECT_TRUE(app.view<StartScreenView>().isVisible()) << "the caller stays";
    EXPECT_EQ(QStringList({picker.windowTitle(), picker.heading->text(),
                           accessibleName(picker.preview), tabOrder(&picker)})
                  .join('|'),
              QStringLiteral("Select An Image File|Show 2 Logo|Preview|[Show 2 Logo]|Use This "
                             "Image|Make No Changes"));
    ASSERT_EQ(picker.list->count(), 5);
    // Opened on the first file at its own size; wide: scaled to fit, aspect
    // kept; a GIF; undecodable and absurdly large: empty.
    const std::pair<int, QSize> previews[] = {{-1, {160, 120}}, {1, {320, 80}}, {2, {1, 1}},
                                              {3, {0, 0}},      {4, {0, 0}},    {0, {160, 120}}};
    for (const auto& [row, size] : previews) {
        if (row >= 0) {
            clickRow(picker.list, row);
        }
        EXPECT_EQ(picker.preview->pixmap().size(), size) << row;
    }
    screenshot(&picker, "image_picker");

    // Each way out tells the opener once, and the picker is gone.
    const std::function<void()> waysOut[] = {
        [&] { QTest::keyClick(picker.list, Qt::Key_Escape); },
        [&] { picker.close(); }, // the window frame
        [&] { click(picker.noChangesButton); },
        [&] { clickRow(picker.list, 1), click(picker.useButton); },
        [&] { clickRow(picker.list, 0), QTest::keyClick(picker.list, Qt::Key_Return); },
        [&] { click(picker.noImageButton); },
    };
    for (std::size_t i = 0; i < std::size(waysOut); ++i) {
        if (i > 0) {
            open(ui::NoImage::Offered);
        }
        EXPECT_EQ(told.size(), i);
        waysOut[i]();
        EXPECT_FALSE(picker.isVisible()) << i;
    }
    EXPECT_EQ(told,
              (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt, std::nullopt,
                                                       "b_wide.bmp", "a_crest.jpg", "NA"}));
    EXPECT_EQ(picker.noImageButton->text(), QStringLiteral("Don't Use Any Image"));
}

} // namespace
} // namespace bm::gui
