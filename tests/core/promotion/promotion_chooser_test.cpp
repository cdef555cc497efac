#include "core/promotion/promotion_chooser.h"

#include "support/step_fixture.h"

#include <filesystem>
#include <tuple>

namespace bm::promotion {
namespace {
namespace fs = std::filesystem;

using ui::Icon;
using ui::Screen;

// A later step screen that records what it was shown.
class FakeStep : public StepFiller {
public:
    explicit FakeStep(const PromotionRecord& record) : record_(record) {}
    void fillFromRecord() override { shownNames.push_back(record_.get(line::promname)); }
    std::vector<std::string> shownNames;

private:
    const PromotionRecord& record_;
};

using test::templateWith;

class PromotionChooserTest : public test::EditorTest {
protected:
    PromotionChooser& chooser = editor.chooser;
    Step1& step1 = editor.step1;
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
};

TEST_F(PromotionChooserTest, ListsTheContextsFedFilesAndShowsTheClickedOnesName) {
    EXPECT_EQ(chooser.heading(), "Editing Promotions");
    EXPECT_EQ(chooser.nameoffile(), "filename");
    for (const auto& [mode, heading, prompt, action] :
         {std::tuple{ChooserMode::Delete, "Delete Promotion", "Select Promotion To Delete",
                     "Delete This Promotion"},
          std::tuple{ChooserMode::Edit, "Edit Promotion", "Select Promotion To Edit",
                     "Edit This Promotion"}}) {
        chooser.select(0);
        open(mode);
        EXPECT_EQ(chooser.heading(), heading);
        EXPECT_EQ(chooser.promptLine(), prompt);
        EXPECT_EQ(chooser.actionCaption(), action);
        EXPECT_EQ(chooser.files(), (std::vector<std::string>{"alpha.fed", "beta.fed"}));
        EXPECT_EQ(chooser.selected(), -1);
    }
    chooser.select(1);
    EXPECT_EQ(chooser.selected(), 1);
    EXPECT_EQ(chooser.promptLine(), "Beta League");
    chooser.select(2);
    EXPECT_EQ(chooser.selected(), -1);
    EXPECT_EQ(chooser.nameoffile(), "filename") << "a click loads nothing";
    EXPECT_TRUE(laterStep.shownNames.empty());

    editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Other World\\");
    game.write("Scenarios/Other World/gamma.fed", "");
    open(ChooserMode::Edit);
    EXPECT_EQ(chooser.files(), std::vector<std::string>{"gamma.fed"});
}

TEST_F(PromotionChooserTest, EditLoadsTheFileExactlyAndFillsEveryStep) {
    using namespace line;
    auto full = templateWith({{size, "5"}, {rostersplit, "Yes"}, {tvcoverage, "Regional"}});
    full.push_back("an extra line");
    // Values outside the lists are shown as stored, and a short file as empty.
    const struct {
        platform::Lines lines;
        int size;
        bool brands;
        int coverage;
    } cases[] = {
        {full, 4, true, 2},
        {{"INI", "Short"}, -1, true, -1},
        {templateWith({{size, "7"}, {rostersplit, "Maybe"}, {tvcoverage, "Cable"}}), -1, true, -1},
        {templateWith({{size, " 2"}, {rostersplit, "No"}, {tvcoverage, "none"}}), -1, false, -1},
        {templateWith({{size, "6"}, {rostersplit, "yes"}, {tvcoverage, "Local"}}), 5, true, 1},
    };
    open(ChooserMode::Edit);
    chooser.act(); // nothing selected
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
    for (const auto& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        game.writeLines("Data/beta.fed", c.lines);
        laterStep.shownNames.clear();
        navigator.go(Screen::PromotionChooser);
        chooser.select(1);
        chooser.act();
        const auto& record = chooser.record();
        EXPECT_EQ(record.lines(), c.lines) << "loaded as stored";
        EXPECT_EQ(chooser.nameoffile(), "beta.fed");
        EXPECT_EQ(laterStep.shownNames, std::vector<std::string>{c.lines[1]});
        EXPECT_EQ(navigator.current(), Screen::Step1);
        for (const auto& p : kStep1Prompts) {
            EXPECT_EQ(step1.shown(p.field), record.get(p.recordLine()));
        }
        EXPECT_EQ(
            std::tuple(step1.size().index(), step1.brandsEnabled(), step1.tvcoverage().index()),
            std::tuple(c.size, c.brands, c.coverage));
        EXPECT_EQ(std::tuple(step1.promlogo(), step1.description(), step1.rostersplit().text(),
                             step1.tvcoverage().text()),
                  std::tuple(record.get(promlogo), record.get(description), record.get(rostersplit),
                             record.get(tvcoverage)));
        EXPECT_TRUE(c.size >= 0 || step1.size().text() == record.get(size));
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
    EXPECT_EQ(chooser.record().lines(), before);
    EXPECT_EQ(chooser.nameoffile(), "beta.fed");
    EXPECT_TRUE(laterStep.shownNames.empty());
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
}

TEST_F(PromotionChooserTest, DeleteAsksFirstAndReportsTheOutcome) {
    open(ChooserMode::Delete);
    chooser.act(); // nothing selected
    EXPECT_TRUE(dialogs.shown().empty());
    const char* question = "Are you sure you want to permanently delete this promotion?";
    const struct {
        bool yes;
        bool blocked; // the name has become a folder with content since it was listed
        std::vector<std::string> texts;
        std::vector<std::string> left;
    } cases[] = {
        {false, false, {question}, {"alpha.fed", "beta.fed"}},
        {true, true, {question}, {"alpha.fed"}}, // and the failure, naming the file
        {true, false, {question, "Promotion Deleted."}, {}},
    };
    for (const auto& c : cases) {
        const std::string file = chooser.files().back();
        if (c.blocked) {
            fs::remove(game.path("Data/" + file));
            game.write("Data/" + file + "/inside.txt", "x");
        }
        chooser.select(static_cast<int>(chooser.files().size()) - 1);
        dialogs.clear();
        c.yes ? dialogs.yes() : dialogs.no();
        chooser.act();
        auto texts = dialogs.texts();
        if (c.blocked) {
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_NE(texts.back().find(file), std::string::npos) << texts.back();
            EXPECT_EQ(dialogs.shown().back().icon, Icon::Critical);
            texts.pop_back();
        }
        EXPECT_EQ(texts, c.texts) << file;
        EXPECT_EQ(dialogs.shown().front().answer, ui::Default::No) << "Enter must not delete";
        EXPECT_EQ(chooser.files(), c.left) << file;
        EXPECT_EQ(chooser.selected(), c.yes ? -1 : 1) << file;
        EXPECT_EQ(game.exists("Data/" + file), !c.yes || c.blocked) << file;
    }
    chooser.back();
    EXPECT_EQ(navigator.current(), Screen::PromotionMenu);
}

TEST_F(PromotionChooserTest, ReturnFromTheStepsShowsTheChooserAsItWasLeft) {
    dialogs.reply("new.fed");
    editor.promotionMenu.createPromotion();
    chooser.returnFromSteps(); // never set up: edit mode, listed afresh
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
    EXPECT_EQ(chooser.heading(), "Edit Promotion");
    EXPECT_EQ(chooser.files(), (std::vector<std::string>{"alpha.fed", "beta.fed"}));
    EXPECT_EQ(chooser.nameoffile(), "new.fed") << "the record keeps its content";

    chooser.select(1);
    chooser.act();
    game.write("Data/aaa.fed", ""); // listed afresh: the selection follows its file
    chooser.returnFromSteps();
    EXPECT_EQ(chooser.files(), (std::vector<std::string>{"aaa.fed", "alpha.fed", "beta.fed"}));
    EXPECT_EQ(chooser.selected(), 2);
    EXPECT_EQ(chooser.promptLine(), "Beta League");
}

} // namespace
} // namespace bm::promotion
