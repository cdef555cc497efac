#include "core/promotion/promotion_chooser.h"

#include "support/step_fixture.h"

#include <filesystem>
#include <tuple>

namespace bm::promotion {
namespace {
namespace fs = std::filesystem;

using test::templateWith;
using ui::Icon;
using ui::Screen;

// A later step screen that records the names it was shown.
class FakeStep : public StepFiller {
public:
    explicit FakeStep(const PromotionRecord& record) : record_(record) {}
    void fillFromRecord() override { shownNames.push_back(record_.get(line::promname)); }
    std::vector<std::string> shownNames;

private:
    const PromotionRecord& record_;
};

class PromotionChooserTest : public test::EditorTest {
protected:
    PromotionChooser& chooser = editor.chooser;
    FakeStep laterStep{chooser.record()};

    void SetUp() override {
        chooser.addStep(laterStep);
        game.writeLines("Data/alpha.fed", templateWith({{line::promname, "Alpha Union"}}));
        game.writeLines("Data/beta.fed", templateWith({{line::promname, "Beta League"}}));
        navigator.go(Screen::PromotionMenu);
    }
    void open(ChooserMode mode) {
        chooser.setMode(mode);
        navigator.go(Screen::PromotionChooser);
    }
    auto files() const { return chooser.files(); }
};

TEST_F(PromotionChooserTest, ListsTheContextsFedFilesAndShowsTheClickedOnesName) {
    EXPECT_EQ(std::tuple(chooser.heading(), chooser.nameoffile()),
              std::tuple("Editing Promotions", "filename"));
    chooser.select(0);
    open(ChooserMode::Delete);
    EXPECT_EQ(std::tuple(chooser.heading(), chooser.promptLine(), chooser.actionCaption(),
                         chooser.selected(), files()),
              std::tuple("Delete Promotion", "Select Promotion To Delete", "Delete This Promotion",
                         -1, std::vector<std::string>{"alpha.fed", "beta.fed"}));
    chooser.select(1);
    EXPECT_EQ(std::tuple(chooser.selected(), chooser.promptLine()), std::tuple(1, "Beta League"));
    chooser.select(2);
    EXPECT_EQ(std::tuple(chooser.selected(), chooser.nameoffile()), std::tuple(-1, "filename"));
    EXPECT_TRUE(laterStep.shownNames.empty()) << "a click loads nothing";

    editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Other World\\");
    game.write("Scenarios/Other World/gamma.fed", "");
    open(ChooserMode::Edit);
    EXPECT_EQ(files(), std::vector<std::string>{"gamma.fed"});
}

// Values outside step 1's lists are shown as stored, and a short file as empty.
TEST_F(PromotionChooserTest, EditLoadsTheFileExactlyAndFillsEveryStep) {
    using namespace line;
    auto full = templateWith({{size, "6"}, {rostersplit, "yes"}, {tvcoverage, "Regional"}});
    full.push_back("an extra line");
    const std::tuple<platform::Lines, int, bool, int> cases[] = {
        {full, 5, true, 2},
        {{"INI", "Short"}, -1, true, -1},
        {templateWith({{size, "7"}, {rostersplit, "No"}, {tvcoverage, "none"}}), -1, false, -1},
    };
    open(ChooserMode::Edit);
    chooser.act(); // nothing selected
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
    const Step1& step1 = editor.step1;
    for (const auto& [lines, sizeIndex, brands, coverage] : cases) {
        game.writeLines("Data/beta.fed", lines);
        laterStep.shownNames.clear();
        navigator.go(Screen::PromotionChooser);
        chooser.select(1);
        chooser.act();
        const auto& record = chooser.record();
        EXPECT_EQ(record.lines(), lines);
        EXPECT_EQ(std::tuple(chooser.nameoffile(), navigator.current(), laterStep.shownNames),
                  std::tuple("beta.fed", Screen::Step1, std::vector<std::string>{lines[1]}));
        EXPECT_EQ(std::tuple(step1.size().index(), step1.brandsEnabled(),
                             step1.tvcoverage().index(), step1.shown(Step1Field::promname)),
                  std::tuple(sizeIndex, brands, coverage, lines[1]));
        EXPECT_EQ(std::tuple(step1.promlogo(), step1.size().text(), step1.tvcoverage().text()),
                  std::tuple(record.get(promlogo),
                             sizeIndex < 0 ? record.get(size) : step1.size().text(),
                             record.get(tvcoverage)));
    }
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(dialogs.busyNow());

    // Gone since it was listed: named, and nothing changes.
    navigator.go(Screen::PromotionChooser);
    const auto before = chooser.record().lines();
    laterStep.shownNames.clear();
    chooser.select(0);
    fs::remove(game.path("Data/alpha.fed"));
    chooser.act();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_NE(dialogs.shown()[0].text.find("alpha.fed"), std::string::npos);
    EXPECT_EQ(std::tuple(chooser.record().lines(), chooser.nameoffile(), navigator.current(),
                         laterStep.shownNames.size()),
              std::tuple(before, "beta.fed", Screen::PromotionChooser, 0u));
}

TEST_F(PromotionChooserTest, DeleteAsksFirstAndReportsTheOutcome) {
    open(ChooserMode::Delete);
    chooser.act(); // nothing selected
    EXPECT_TRUE(dialogs.shown().empty());
    const std::string question = "Are you sure you want to permanently delete this promotion?";
    // blocked: the name has become a folder with content since it was listed.
    const std::tuple<bool, bool, std::vector<std::string>, std::vector<std::string>> cases[] = {
        {false, false, {question}, {"alpha.fed", "beta.fed"}},
        {true, true, {question}, {"alpha.fed"}}, // and the failure, naming the file
        {true, false, {question, "Promotion Deleted."}, {}},
    };
    for (const auto& [yes, blocked, said, left] : cases) {
        const std::string file = files().back();
        if (blocked) {
            fs::remove(game.path("Data/" + file));
            game.write("Data/" + file + "/inside.txt", "x");
        }
        chooser.select(static_cast<int>(files().size()) - 1);
        dialogs.clear();
        yes ? dialogs.yes() : dialogs.no();
        chooser.act();
        auto texts = dialogs.texts();
        if (blocked) {
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_NE(texts.back().find(file), std::string::npos) << texts.back();
            EXPECT_EQ(dialogs.shown().back().icon, Icon::Critical);
            texts.pop_back();
        }
        EXPECT_EQ(texts, said) << file;
        EXPECT_EQ(dialogs.shown().front().answer, ui::Default::No) << "Enter must not delete";
        EXPECT_EQ(std::tuple(files(), chooser.selected(), game.exists("Data/" + file)),
                  std::tuple(left, yes ? -1 : 1, !yes || blocked));
    }
    chooser.back();
    EXPECT_EQ(navigator.current(), Screen::PromotionMenu);
}

TEST_F(PromotionChooserTest, ReturnFromTheStepsShowsTheChooserAsItWasLeft) {
    dialogs.reply("new.fed");
    editor.promotionMenu.createPromotion();
    chooser.returnFromSteps(); // never set up: edit mode, listed afresh
    EXPECT_EQ(std::tuple(navigator.current(), chooser.heading(), chooser.nameoffile()),
              std::tuple(Screen::PromotionChooser, "Edit Promotion", "new.fed"));
    EXPECT_EQ(files(), (std::vector<std::string>{"alpha.fed", "beta.fed"}));

    chooser.select(1);
    chooser.act();
    game.write("Data/aaa.fed", ""); // listed afresh: the selection follows its file
    chooser.returnFromSteps();
    EXPECT_EQ(files(), (std::vector<std::string>{"aaa.fed", "alpha.fed", "beta.fed"}));
    EXPECT_EQ(std::tuple(chooser.selected(), chooser.promptLine()), std::tuple(2, "Beta League"));
}

// A name is asked for until it is usable, free and ends in ".fed"; nothing
// is written before the save.
TEST_F(PromotionChooserTest, CreatingAsksForANameUntilItIsUsableFreeAndEndsInFed) {
    using Kind = test::ScriptedDialogs::Kind;
    using Box = std::tuple<Kind, std::string, std::string, Icon, std::string>;
    const Box P{Kind::Prompt, "Filename", "Please enter a filename for this new promotion.",
                Icon::None, "bmf.fed"};
    const Box exists{Kind::Message, "File Already Exists",
                     "There is already a file in this directory with that name. Please choose a "
                     "different name.",
                     Icon::None, ""};
    const Box invalid{Kind::Message, "Filename Invalid", "The filename must end in .fed.",
                      Icon::None, ""};
    const Box unusable{Kind::Message, "Filename Invalid",
                       "\"../alpha.fed\" cannot be used as a file name. A file name must not "
                       "contain \\ / : * ? \" < > | or control characters, must not end in a "
                       "space or a dot, and must not be a reserved device name such as CON, PRN, "
                       "AUX, NUL, COM1 or LPT1.",
                       Icon::Exclamation, ""};
    game.write("Data/alpha", "x\r\n");
    platform::Lines created = makeTemplateRecord().lines();
    created[line::months[0].bigshowlogo] = "NA";
    // The replies, the last accepted one creating and "" cancelling.
    const std::tuple<std::vector<std::string>, std::vector<Box>> cases[] = {
        {{"bmf.fed"}, {P}},
        {{""}, {P}},
        {{"alpha.fed", "abc", "North Side.fed"}, {P, exists, P, invalid, P}},
        {{"alpha", ""}, {P, exists, invalid, P}},
        {{"new.FED", ""}, {P, invalid, P}},
        {{"../alpha.fed", ""}, {P, unusable, P}},
    };
    for (const auto& [replies, boxes] : cases) {
        const std::string& last = replies.back();
        navigator.go(Screen::PromotionMenu);
        dialogs.clear();
        chooser.record().set(line::prominitials, "EDITED");
        const auto before = chooser.record().lines();
        const std::string nameBefore = chooser.nameoffile();
        for (const auto& r : replies) {
            dialogs.reply(r);
        }
        editor.promotionMenu.createPromotion();
        std::vector<Box> shown;
        for (const auto& s : dialogs.shown()) {
            shown.emplace_back(s.kind, s.title, s.text, s.icon, s.initial);
        }
        EXPECT_EQ(shown, boxes) << replies.front();
        EXPECT_EQ(std::tuple(chooser.record().lines(), chooser.nameoffile(), navigator.current()),
                  last.empty() ? std::tuple(before, nameBefore, Screen::PromotionMenu)
                               : std::tuple(created, last, Screen::Step1));
        EXPECT_EQ(editor.step1.shown(Step1Field::prominitials), "BMF") << "step 1 was filled";
        EXPECT_FALSE(!last.empty() && game.exists("Data/" + last));
    }
    EXPECT_EQ(game.read("Data/alpha.fed"),
              platform::joinLines(templateWith({{line::promname, "Alpha Union"}})));
}

} // namespace
} // namespace bm::promotion
