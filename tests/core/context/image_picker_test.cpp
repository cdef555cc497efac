#include "core/context/image_picker.h"

#include "support/editor_fixture.h"

#include <optional>

namespace bm::context {
namespace {

using ui::NoImage;
using ui::Screen;

class ImagePickerTest : public test::EditorTest {
protected:
    ImagePicker picker{navigator};
    std::vector<std::optional<std::string>> told; // what the opener was told

    void SetUp() override {
        navigator.go(Screen::Step1);
        for (const char* name : {"b.gif", "a.jpg", "c.txt"}) {
            game.write(std::string("Images/") + name, "x");
        }
    }
    void open(NoImage noImage = NoImage::Offered, std::string heading = "Show 1 Logo") {
        picker.choose(std::move(heading), noImage,
                      [this](const std::optional<std::string>& v) { told.push_back(v); });
    }
};

TEST_F(ImagePickerTest, EachWayOutClosesItAndTellsTheOpenerOnce) {
    using Told = std::optional<std::string>;
    const struct {
        const char* name;
        NoImage noImage;
        std::function<void(ImagePicker&)> act;
        Told value;
        bool stays; // a disabled button does nothing
    } cases[] = {
        {"selected file", NoImage::Offered,
         [](ImagePicker& p) {
             p.select(1);
             p.useImage();
         },
         "b.gif", false},
        {"no selection: the first", NoImage::Offered, [](ImagePicker& p) { p.useImage(); }, "a.jpg",
         false},
        {"no image", NoImage::Offered, [](ImagePicker& p) { p.useNoImage(); }, "NA", false},
        {"no image, not offered", NoImage::NotOffered, [](ImagePicker& p) { p.useNoImage(); },
         std::nullopt, true},
        {"no changes", NoImage::NotOffered, [](ImagePicker& p) { p.makeNoChanges(); }, std::nullopt,
         false},
        {"opener leaves", NoImage::Offered, [](ImagePicker& p) { p.dismiss(); }, std::nullopt,
         false},
    };
    for (const auto& c : cases) {
        told.clear();
        open(c.noImage);
        EXPECT_EQ(picker.noImageEnabled(), c.noImage == NoImage::Offered) << c.name;
        c.act(picker);
        EXPECT_EQ(picker.isOpen(), c.stays) << c.name;
        EXPECT_EQ(navigator.isVisible(Screen::ImagePicker), c.stays) << c.name;
        EXPECT_EQ(told, c.stays ? std::vector<Told>{} : std::vector<Told>{c.value}) << c.name;
        picker.dismiss();
        picker.dismiss(); // closed: nobody is told twice
        EXPECT_EQ(told.size(), 1u) << c.name;
        EXPECT_TRUE(picker.noImageEnabled()) << c.name << ": ready for the next opening";
        EXPECT_EQ(navigator.current(), Screen::Step1) << "beside the step, not instead of it";
    }
}

TEST_F(ImagePickerTest, ListsAndPreviewsTheImagesAndOnlyTheLastOpenerHears) {
    std::vector<std::string> first;
    picker.choose("Promotion Logo", NoImage::NotOffered,
                  [&](const std::optional<std::string>& v) { first.push_back(v.value_or("-")); });
    open(NoImage::Offered, "March Big Show Logo");
    EXPECT_EQ(picker.heading(), "March Big Show Logo");
    EXPECT_TRUE(picker.noImageEnabled());
    EXPECT_EQ(picker.files(), (std::vector<std::string>{"a.jpg", "b.gif"}));
    EXPECT_EQ(picker.preview(), game.path("Images/a.jpg"));
    picker.select(1);
    picker.select(2); // no such row: the preview stays
    EXPECT_EQ(picker.selected(), -1);
    EXPECT_EQ(picker.preview(), game.path("Images/b.gif"));
    picker.useImage();
    EXPECT_TRUE(first.empty()) << "replaced by the second opening";
    EXPECT_EQ(told, (std::vector<std::optional<std::string>>{"a.jpg"}));

    // Nothing to choose from leaves the field as it is.
    std::filesystem::remove_all(game.path("Images"));
    told.clear();
    open();
    EXPECT_TRUE(picker.files().empty());
    EXPECT_TRUE(picker.preview().empty());
    picker.useImage();
    EXPECT_EQ(told, (std::vector<std::optional<std::string>>{std::nullopt}));
    EXPECT_FALSE(picker.isOpen());
}

} // namespace
} // namespace bm::context
