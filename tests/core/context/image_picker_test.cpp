#include "core/context/image_picker.h"

#include "support/editor_fixture.h"

namespace bm::context {
namespace {

using ui::Screen;

class ImagePickerTest : public test::EditorTest {
protected:
    ImagePicker& picker = editor.picker;
    promotion::PromotionRecord& record = editor.chooser.record();
    std::vector<std::string> told; // what the calling step was told

    void SetUp() override {
        record = promotion::makeTemplateRecord();
        navigator.go(Screen::Step1);
        for (const char* name : {"b.gif", "a.jpg", "c.txt"}) {
            game.write(std::string("Images/") + name, "x");
        }
    }
    void open(std::string heading) {
        picker.open(std::move(heading), [this](const std::string& v) { told.push_back(v); });
    }
};

TEST_F(ImagePickerTest, EachHeadingWritesExactlyItsLineAndTellsTheStep) {
    std::vector<std::pair<std::string, int>> targets{{"Promotion Logo", 2}};
    for (int show = 1; show <= 4; ++show) {
        targets.emplace_back("Show " + std::to_string(show) + " Logo", 7 + 7 * show);
    }
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 0; m < 12; ++m) {
        targets.emplace_back(std::string(months[m]) + " Big Show Logo", 51 + 3 * m);
    }
    // Not targets: nothing is written and the step is told nothing.
    for (const char* heading : {"Show 5 Logo", "Show 0 Logo", "march Big Show Logo", ""}) {
        targets.emplace_back(heading, -1);
    }
    for (const auto& [heading, target] : targets) {
        const bool logo = heading == "Promotion Logo";
        platform::Lines expected = record.lines();
        std::vector<std::string> toldExpected;
        told.clear();
        open(heading);
        picker.select(1);
        picker.useImage();
        if (target >= 0) {
            expected[static_cast<std::size_t>(target)] = "b.gif";
            toldExpected.push_back("b.gif");
        }
        EXPECT_EQ(record.lines(), expected) << heading;
        EXPECT_FALSE(navigator.isVisible(Screen::ImagePicker)) << heading;

        open(heading);
        EXPECT_EQ(picker.noImageEnabled(), !logo) << heading << ": a promotion needs a logo";
        picker.useNoImage();
        if (target >= 0 && !logo) {
            expected[static_cast<std::size_t>(target)] = "NA";
            toldExpected.push_back("NA");
        }
        EXPECT_EQ(record.lines(), expected) << heading;
        EXPECT_EQ(navigator.isVisible(Screen::ImagePicker), logo) << heading;
        EXPECT_EQ(told, toldExpected) << heading;
    }
}

TEST_F(ImagePickerTest, StepOneOpensItBesideAndNeedsALogo) {
    editor.step1.pickLogo();
    EXPECT_TRUE(navigator.isVisible(Screen::ImagePicker));
    EXPECT_EQ(navigator.current(), Screen::Step1) << "beside the step, not instead of it";
    EXPECT_EQ(picker.heading(), "Promotion Logo");
    EXPECT_EQ(picker.files(), (std::vector<std::string>{"a.jpg", "b.gif"}));
    EXPECT_EQ(picker.preview(), game.path("Images/a.jpg"));
    picker.select(1);
    picker.select(2); // no such row: the preview stays
    EXPECT_EQ(picker.preview(), game.path("Images/b.gif"));
    EXPECT_FALSE(picker.noImageEnabled());
    picker.useImage(); // nothing selected now: the first file
    EXPECT_EQ(record.get(promotion::line::promlogo), "a.jpg");
    EXPECT_EQ(editor.step1.promlogo(), "a.jpg");
    EXPECT_TRUE(picker.noImageEnabled()) << "ready for the next opening";

    editor.step1.pickLogo();
    navigator.close(Screen::ImagePicker); // closed by its frame, not a button
    open(bigShowLogoHeading(12));
    EXPECT_TRUE(picker.noImageEnabled());

    // Nothing to choose from leaves the field as it is.
    std::filesystem::remove_all(game.path("Images"));
    const auto before = record.lines();
    open(showLogoHeading(1));
    EXPECT_TRUE(picker.preview().empty());
    picker.useImage();
    EXPECT_EQ(record.lines(), before);
    EXPECT_FALSE(navigator.isVisible(Screen::ImagePicker));
}

} // namespace
} // namespace bm::context
