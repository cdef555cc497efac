#include "core/promotion/step.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using ui::Screen;

// A step with its logo picker in reach, counting its saves.
class ProbeStep : public Step {
public:
    ProbeStep(StepServices& services, int number) : Step(services, number) {}
    void fillFromRecord() override {}
    using Step::pickLogo;
    int saves = 0;

protected:
    void save() override { ++saves; }
};

class StepTest : public test::PromotionStepTest {
protected:
    void SetUp() override {
        PromotionStepTest::SetUp();
        game.write("Images/crest.gif", "x");
    }
};

// Leaving closes the picker; SAVE leaves only when the save does.
TEST_F(StepTest, NextAndBackLeadToTheNeighboursAndCloseThePicker) {
    for (int n = 1; n <= kStepCount; ++n) {
        ProbeStep step(editor.stepServices, n);
        EXPECT_EQ(std::tuple(step.heading(), step.hint(), step.nextCaption()),
                  std::tuple("Step " + std::to_string(n) + " of 8", "Click On A Stat To Edit",
                             n == 8 ? "SAVE" : "Next >>>"));
        const auto before = record.lines();
        for (const bool forward : {true, false}) {
            navigator.go(stepScreen(n));
            step.pickLogo(showLogo(2), nullptr);
            dialogs.clear();
            const bool asks = n == 1 && !forward;
            if (asks) {
                dialogs.no().yes();
                step.back(); // No: stays, the picker too
                EXPECT_TRUE(editor.picker.isOpen());
                EXPECT_EQ(navigator.current(), Screen::Step1);
            }
            forward ? step.next() : step.back();
            ASSERT_EQ(dialogs.shown().size(), asks ? 2u : 0u);
            if (asks) {
                EXPECT_EQ(std::tuple(dialogs.shown()[0].text, dialogs.shown()[0].answer),
                          std::tuple("If you haven't gone through all steps and clicked Save, you "
                                     "will lose any changes by returning to the menu.\r\n\r\nAre "
                                     "you sure you want to go back to the menu?",
                                     ui::Default::No));
            }
            const bool saved = n == 8 && forward;
            const Screen expected = asks    ? Screen::PromotionChooser
                                    : saved ? Screen::Step8
                                            : stepScreen(forward ? n + 1 : n - 1);
            EXPECT_EQ(navigator.current(), expected) << n << forward;
            EXPECT_EQ(std::tuple(step.saves, editor.picker.isOpen()), std::tuple(saved, saved));
            step.saves = 0;
            editor.picker.dismiss();
        }
        EXPECT_EQ(record.lines(), before) << n;
    }
}

// The last of each kind of logo; the promotion's own may not be "NA".
TEST_F(StepTest, EachLogoTargetWritesExactlyItsLine) {
    ProbeStep step(editor.stepServices, 2);
    const std::tuple<LogoTarget, const char*, int> targets[] = {
        {promotionLogo(), "Promotion Logo", 2},
        {showLogo(4), "Show 4 Logo", 35},
        {bigShowLogo(12), "December Big Show Logo", 84},
    };
    for (const auto& [target, heading, line] : targets) {
        EXPECT_EQ(std::tuple(target.heading, target.line), std::tuple(heading, line));
        for (const auto& [press, value] : {std::pair{&context::ImagePicker::useImage, "crest.gif"},
                                           std::pair{&context::ImagePicker::useNoImage, "NA"},
                                           std::pair{&context::ImagePicker::makeNoChanges, ""}}) {
            SCOPED_TRACE(std::string(heading) + " " + value);
            const bool writes = *value && !(line == 2 && std::string(value) == "NA");
            std::vector<std::string> shown;
            expectChanges(
                [&] {
                    step.pickLogo(target, [&](const std::string& v) { shown.push_back(v); });
                    EXPECT_EQ(editor.picker.heading(), heading);
                    (editor.picker.*press)();
                },
                writes ? test::LineChanges{{line, value}} : test::LineChanges{});
            EXPECT_EQ(shown, writes ? std::vector<std::string>{value} : std::vector<std::string>{});
            editor.picker.dismiss();
        }
    }
}

} // namespace
} // namespace bm::promotion
