#include "core/context/image_picker.h"

#include "support/editor_fixture.h"

namespace bm::context {
namespace {
namespace line = promotion::line;

using ui::Screen;

class ImagePickerTest : public test::EditorTest {
protected:
    ImagePicker& picker = editor.picker;
    promotion::PromotionRecord& record = editor.chooser.record();
    std::vector<std::string> told; // what the calling step was told

    void SetUp() override {
        record = promotion::makeTemplateRecord();
        navigator.go(Screen::Step1);
    }
    void writeImages() {
        for (const char* name :
             {"b.gif", "a.jpg", "c.jpeg", "d.bmp", "e.JPG", "f.png", "g.gif.txt", "Gif.GIF"}) {
            game.write(std::string("Images/") + name, "x");
        }
        game.makeFolder("Images/h.jpg");
    }
    void open(std::string heading) {
        picker.open(std::move(heading), [this](const std::string& v) { told.push_back(v); });
    }
};

TEST_F(ImagePickerTest, ListsTheImagesCaseSensitivelyAndPreviewsTheFirst) {
    writeImages();
    open(showLogoHeading(2));
    EXPECT_EQ(picker.heading(), "Show 2 Logo");
    EXPECT_EQ(picker.files(), (std::vector<std::string>{"a.jpg", "b.gif", "c.jpeg", "d.bmp"}));
    EXPECT_EQ(picker.selected(), -1);
    EXPECT_EQ(picker.preview(), game.path("Images/a.jpg"));
    EXPECT_TRUE(navigator.isVisible(Screen::ImagePicker));
    EXPECT_EQ(navigator.current(), Screen::Step1) << "beside the step, not instead of it";

    picker.select(2);
    EXPECT_EQ(picker.selected(), 2);
    EXPECT_EQ(picker.preview(), game.path("Images/c.jpeg"));
    picker.select(7);
    EXPECT_EQ(picker.selected(), -1);
    EXPECT_EQ(picker.preview(), game.path("Images/c.jpeg")) << "the preview stays";
}

TEST_F(ImagePickerTest, EachHeadingWritesExactlyItsLineAndTellsTheStep) {
    writeImages();
    std::vector<std::pair<std::string, int>> targets{{"Promotion Logo", 2},
                                                     {"Show 1 Logo", 14},
                                                     {"Show 2 Logo", 21},
                                                     {"Show 3 Logo", 28},
                                                     {"Show 4 Logo", 35}};
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 0; m < 12; ++m) {
        targets.emplace_back(std::string(months[m]) + " Big Show Logo", 51 + 3 * m);
    }
    ASSERT_EQ(targets.size(), 17u);
    for (const auto& [heading, target] : targets) {
        EXPECT_EQ(imageTargetLine(heading), target) << heading;

        const auto before = record.lines();
        told.clear();
        open(heading);
        picker.select(1);
        picker.useImage();
        platform::Lines expected = before;
        expected[static_cast<std::size_t>(target)] = "b.gif";
        EXPECT_EQ(record.lines(), expected) << heading;
        EXPECT_EQ(told, std::vector<std::string>{"b.gif"}) << heading;
        EXPECT_FALSE(navigator.isVisible(Screen::ImagePicker)) << heading;
        EXPECT_TRUE(picker.noImageEnabled()) << heading;

        open(heading);
        picker.useNoImage();
        if (heading != "Promotion Logo") {
            expected[static_cast<std::size_t>(target)] = "NA";
            EXPECT_EQ(told, (std::vector<std::string>{"b.gif", "NA"})) << heading;
        }
        EXPECT_EQ(record.lines(), expected) << heading;

        picker.makeNoChanges();
        EXPECT_EQ(record.lines(), expected) << heading;
        EXPECT_FALSE(navigator.isVisible(Screen::ImagePicker)) << heading;
    }
    EXPECT_EQ(record.get(57), "NA") << "March";
}

TEST_F(ImagePickerTest, MarchBigShowLogoChangesLine57AndNothingElse) {
    writeImages();
    const auto before = record.lines();
    open(bigShowLogoHeading(3));
    picker.useImage(); // nothing selected: the first file
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(record.lines()[i], i == 57 ? "a.jpg" : before[i]) << "line " << i;
    }
    EXPECT_EQ(record.lineCount(), before.size());
}

TEST_F(ImagePickerTest, PromotionLogoCannotBeClearedAndTheButtonReturnsForOthers) {
    writeImages();
    open(std::string(kPromotionLogoHeading));
    EXPECT_FALSE(picker.noImageEnabled());
    picker.useNoImage();
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(navigator.isVisible(Screen::ImagePicker)) << "a disabled button does nothing";

    navigator.close(Screen::ImagePicker); // closed by its frame, not a button
    open(bigShowLogoHeading(12));
    EXPECT_TRUE(picker.noImageEnabled());
}

TEST_F(ImagePickerTest, HeadingsOutsideTheTableWriteNothing) {
    writeImages();
    for (const char* heading : {"Show 5 Logo", "Show 0 Logo", "march Big Show Logo",
                                "Promotion logo", "", "Smarch Big Show Logo"}) {
        const auto before = record.lines();
        open(heading);
        picker.useImage();
        open(heading);
        picker.useNoImage();
        EXPECT_EQ(record.lines(), before) << heading;
        EXPECT_TRUE(told.empty()) << heading;
        EXPECT_FALSE(imageTargetLine(heading).has_value()) << heading;
    }
}

TEST_F(ImagePickerTest, NothingToChooseLeavesTheFieldUnchanged) {
    for (const bool folderExists : {false, true}) {
        if (folderExists) {
            game.makeFolder("Images");
            game.write("Images/readme.txt", "x");
        }
        const auto before = record.lines();
        open(showLogoHeading(1));
        EXPECT_TRUE(picker.files().empty());
        EXPECT_TRUE(picker.preview().empty());
        picker.useImage();
        EXPECT_EQ(record.lines(), before);
        EXPECT_TRUE(told.empty());
        EXPECT_FALSE(navigator.isVisible(Screen::ImagePicker));
    }
}

} // namespace
} // namespace bm::context
