#include "core/promotion/step.h"

#include "support/step_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using ui::Screen;

// A step with its protected tools in reach, counting its saves.
class ProbeStep : public Step {
public:
    ProbeStep(StepServices& services, int number) : Step(services, number) {}
    void fillFromRecord() override {}
    using Step::pickLogo;
    using Step::promptEdit;
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

TEST_F(StepTest, NextAndBackLeadToTheNeighboursAndCloseThePicker) {
    for (int n = 1; n <= kStepCount; ++n) {
        ProbeStep step(editor.stepServices, n);
        EXPECT_EQ(step.heading(), "Step " + std::to_string(n) + " of 8");
        EXPECT_EQ(step.hint(), "Click On A Stat To Edit");
        EXPECT_EQ(step.nextCaption(), n == 8 ? "SAVE" : "Next >>>");
        const auto before = record.lines();

        for (const bool forward : {true, false}) {
            navigator.go(stepScreen(n));
            step.pickLogo(showLogo(2), nullptr);
            dialogs.clear();
            if (n == 1 && !forward) {
                dialogs.no().yes();
                step.back(); // No: stays, the picker too
                EXPECT_EQ(navigator.current(), Screen::Step1);
                EXPECT_TRUE(editor.picker.isOpen());
                step.back();
                ASSERT_EQ(dialogs.shown().size(), 2u);
                EXPECT_EQ(std::tuple(dialogs.shown()[0].text, dialogs.shown()[0].answer),
                          std::tuple(std::string(kStepBackQuestion), ui::Default::No));
            } else {
                forward ? step.next() : step.back();
                EXPECT_TRUE(dialogs.shown().empty()) << n;
            }
            const Screen expected = n == 1 && !forward  ? Screen::PromotionChooser
                                    : n == 8 && forward ? Screen::Step8
                                                        : stepScreen(forward ? n + 1 : n - 1);
            EXPECT_EQ(navigator.current(), expected) << n << (forward ? " next" : " back");
            const bool saved = n == 8 && forward;
            EXPECT_EQ(step.saves, saved ? 1 : 0) << n;
            // SAVE leaves only when the save does; the picker then stays too.
            EXPECT_EQ(editor.picker.isOpen(), saved) << n;
            step.saves = 0;
            editor.picker.dismiss();
        }
        EXPECT_EQ(record.lines(), before) << n << ": leaving changes nothing";
    }
}

// The first and last of each kind of logo; the promotion's own may not be "NA".
TEST_F(StepTest, EachLogoTargetWritesExactlyItsLine) {
    ProbeStep step(editor.stepServices, 2);
    const struct {
        LogoTarget target;
        const char* heading;
        int line;
    } targets[] = {
        {promotionLogo(), "Promotion Logo", 2},
        {showLogo(1), "Show 1 Logo", 14},
        {showLogo(4), "Show 4 Logo", 35},
        {bigShowLogo(1), "January Big Show Logo", 51},
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

enum class TitleField { titlename, titletype, reign };
constexpr PromptTable<TitleField, 3, line::TitleLines> kTitlePrompts{
    {TitleField::titlename, "Title Name", &line::TitleLines::titlename, "Title Name", "Name?"},
    {TitleField::titletype, "Type", &line::TitleLines::titletype, "Type", "Type?"},
    {TitleField::reign, "Current Reign (Days)", &line::TitleLines::reign, "Current Reign", "Days?",
     rules::number},
};

std::optional<Entry> refuseBelowTen(const std::string& reply, ui::Dialogs& dialogs) {
    if (std::stoi(reply) < 10) {
        dialogs.message("too small");
        return std::nullopt;
    }
    return Entry{reply + "00", reply};
}

TEST_F(StepTest, PromptsStoreInTheSelectedBlocksLineByTheirRule) {
    ProbeStep step(editor.stepServices, 6);
    const struct {
        TitleField field;
        int title;
        const char* reply;
        int line; // -1: stored nowhere
        const char* stored;
    } cases[] = {
        {TitleField::titlename, 2, "Tag Gold", 100, "Tag Gold"},
        {TitleField::reign, 5, "12,5 days", 157, "12"},
        {TitleField::titletype, 5, "Tag Team", 147, "Tag Team"},
        {TitleField::titletype, 4, "Tag Team", -1, "Tag Team"}, // no such line: only shown
        {TitleField::reign, 8, "", -1, ""},                     // Cancel
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        const auto& prompt = kTitlePrompts[c.field];
        std::string shown = "before";
        bool stored = false;
        dialogs.clear();
        dialogs.reply(c.reply);
        expectChanges(
            [&] {
                stored =
                    step.promptEdit(prompt, prompt.recordLine(line::titleLines(c.title)), shown);
            },
            c.line >= 0 ? test::LineChanges{{c.line, c.stored}} : test::LineChanges{});
        EXPECT_EQ(dialogs.shown()[0].title, prompt.title);
        EXPECT_EQ(dialogs.shown()[0].initial, "before");
        EXPECT_EQ(shown, *c.reply ? c.stored : "before");
        EXPECT_EQ(stored, *c.reply != '\0');
    }

    // A rule may refuse, or store other than it shows.
    const auto before = record.lines();
    std::string shown = "5";
    dialogs.reply("7").reply("25");
    EXPECT_FALSE(step.promptEdit("Rating", "Rate it", refuseBelowTen, line::tvatt, shown));
    EXPECT_EQ(record.lines(), before);
    EXPECT_TRUE(step.promptEdit("Rating", "Rate it", refuseBelowTen, line::tvatt, shown));
    EXPECT_EQ(std::tuple(record.get(line::tvatt), shown), std::tuple("2500", "25"));
    EXPECT_EQ(dialogs.texts().back(), "Rate it");
}

} // namespace
} // namespace bm::promotion
