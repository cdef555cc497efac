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

TEST_F(StepTest, EachLogoTargetWritesExactlyItsLine) {
    ProbeStep step(editor.stepServices, 2);
    std::vector<LogoTarget> targets{promotionLogo()};
    for (int show = 1; show <= 4; ++show) {
        targets.push_back(showLogo(show));
    }
    for (int month = 1; month <= 12; ++month) {
        targets.push_back(bigShowLogo(month));
    }
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const auto& [heading, line, noImage] = targets[i];
        const bool logo = i == 0;
        const std::string expectedHeading = logo ? "Promotion Logo"
                                            : i <= 4
                                                ? "Show " + std::to_string(i) + " Logo"
                                                : std::string(months[i - 5]) + " Big Show Logo";
        const int expectedLine = logo     ? 2
                                 : i <= 4 ? 7 + 7 * static_cast<int>(i)
                                          : 36 + 3 * static_cast<int>(i);
        EXPECT_EQ(std::tuple(heading, line), std::tuple(expectedHeading, expectedLine));

        for (const auto& [press, value] : {std::pair{&context::ImagePicker::useImage, "crest.gif"},
                                           std::pair{&context::ImagePicker::useNoImage, "NA"},
                                           std::pair{&context::ImagePicker::makeNoChanges, ""}}) {
            auto expected = record.lines();
            std::vector<std::string> shown;
            step.pickLogo(targets[i], [&](const std::string& v) { shown.push_back(v); });
            EXPECT_EQ(editor.picker.heading(), heading);
            (editor.picker.*press)();
            const bool writes = *value && !(logo && std::string(value) == "NA");
            if (writes) {
                expected[static_cast<std::size_t>(line)] = value;
            }
            EXPECT_EQ(record.lines(), expected) << heading << " " << value;
            EXPECT_EQ(shown, writes ? std::vector<std::string>{value} : std::vector<std::string>{})
                << heading;
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
        const auto& prompt = kTitlePrompts[c.field];
        auto expected = record.lines();
        std::string shown = "before";
        dialogs.clear();
        dialogs.reply(c.reply);
        const bool stored =
            step.promptEdit(prompt, prompt.recordLine(line::titleLines(c.title)), shown);
        EXPECT_EQ(dialogs.shown()[0].title, prompt.title);
        EXPECT_EQ(dialogs.shown()[0].initial, "before");
        if (c.line >= 0) {
            expected[static_cast<std::size_t>(c.line)] = c.stored;
        }
        EXPECT_EQ(record.lines(), expected) << c.reply;
        EXPECT_EQ(shown, *c.reply ? c.stored : "before") << c.reply;
        EXPECT_EQ(stored, *c.reply != '\0') << c.reply;
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
