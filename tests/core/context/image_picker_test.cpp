#include "core/context/image_picker.h"

#include "support/editor_fixture.h"

#include <optional>

namespace bm::context {
namespace {

using ui::NoImage;
using ui::Screen;
using Told = std::optional<std::string>;

class ImagePickerTest : public test::EditorTest {
protected:
    ImagePicker picker{navigator};
    std::vector<Told> told; // what the opener was told

    void SetUp() override {
        navigator.go(Screen::Step1);
        // Files that are no pictures are listed like any other; folders are not.
        for (const char* name : {"b.gif", "a.jpg", "c.txt", "empty.gif"}) {
            game.write(std::string("Images/") + name, name[0] == 'e' ? "" : "not a picture");
        }
        game.makeFolder("Images/folder.bmp");
    }
    void open(NoImage noImage) {
        picker.choose("Show 1 Logo", noImage, [this](const Told& v) { told.push_back(v); });
    }
};

TEST_F(ImagePickerTest, EachWayOutClosesItAndTellsTheOpenerOnce) {
    using P = ImagePicker;
    const struct {
        NoImage noImage;
        int row; // selected first; -1: none
        void (ImagePicker::*act)();
        Told value;
        bool stays; // a disabled button does nothing
    } cases[] = {
        {NoImage::Offered, 2, &P::useImage, "empty.gif", false},
        {NoImage::Offered, -1, &P::useImage, "a.jpg", false}, // no selection: the first
        {NoImage::Offered, -1, &P::useNoImage, "NA", false},
        {NoImage::NotOffered, -1, &P::useNoImage, std::nullopt, true},
        {NoImage::NotOffered, -1, &P::makeNoChanges, std::nullopt, false},
        {NoImage::Offered, -1, &P::dismiss, std::nullopt, false}, // the opener leaves
    };
    for (const auto& c : cases) {
        told.clear();
        open(c.noImage);
        EXPECT_EQ(picker.noImageEnabled(), c.noImage == NoImage::Offered) << c.value.value_or("-");
        picker.select(c.row);
        (picker.*c.act)();
        EXPECT_EQ(picker.isOpen(), c.stays) << c.value.value_or("-");
        EXPECT_EQ(navigator.isVisible(Screen::ImagePicker), c.stays) << c.value.value_or("-");
        EXPECT_EQ(told, c.stays ? std::vector<Told>{} : std::vector<Told>{c.value})
            << c.value.value_or("-");
        picker.dismiss();
        picker.dismiss(); // closed: nobody is told twice
        EXPECT_EQ(told.size(), 1u) << c.value.value_or("-");
        EXPECT_EQ(navigator.current(), Screen::Step1) << "beside the step, not instead of it";
    }
}

TEST_F(ImagePickerTest, ListsAndPreviewsTheImagesAndOnlyTheLastOpenerHears) {
    std::vector<Told> first;
    picker.choose("Promotion Logo", NoImage::NotOffered,
                  [&](const Told& v) { first.push_back(v); });
    picker.choose("March Big Show Logo", NoImage::Offered,
                  [&](const Told& v) { told.push_back(v); });
    EXPECT_EQ(picker.files(), (std::vector<std::string>{"a.jpg", "b.gif", "empty.gif"}));
    EXPECT_EQ(picker.preview(), game.path("Images/a.jpg"));
    picker.select(1);
    picker.select(3); // no such row: the preview stays
    EXPECT_EQ(picker.selected(), -1);
    EXPECT_EQ(picker.preview(), game.path("Images/b.gif"));
    picker.useImage();
    EXPECT_TRUE(first.empty()) << "replaced by the second opening";
    EXPECT_EQ(told, std::vector<Told>{"a.jpg"});

    // Nothing to choose from leaves the field as it is.
    std::filesystem::remove_all(game.path("Images"));
    told.clear();
    open(NoImage::Offered);
    EXPECT_TRUE(picker.files().empty());
    EXPECT_TRUE(picker.preview().empty());
    picker.useImage();
    EXPECT_EQ(told, std::vector<Told>{std::nullopt});
}

} // namespace
} // namespace bm::context
