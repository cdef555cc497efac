#include "core/promotion/promotion_chooser.h"

#include "support/editor_fixture.h"

#include <filesystem>

namespace bm::promotion {
namespace {
namespace fs = std::filesystem;

using ui::Icon;
using ui::Screen;
using Kind = test::ScriptedDialogs::Kind;

// A step screen that records what it was shown.
class FakeStep : public StepFiller {
public:
    explicit FakeStep(const PromotionRecord& record) : record_(record) {}
    void fillFromRecord() override { shownNames.push_back(record_.get(line::promname)); }
    std::vector<std::string> shownNames;

private:
    const PromotionRecord& record_;
};

platform::Lines promotionLines(std::string initials, std::string name) {
    platform::Lines lines = makeTemplateRecord().lines();
    lines[line::prominitials] = std::move(initials);
    lines[line::promname] = std::move(name);
    return lines;
}

class PromotionChooserTest : public test::EditorTest {
protected:
    PromotionChooser& chooser = editor.chooser;
    FakeStep laterStep{chooser.record()};

    void SetUp() override {
        chooser.addStep(laterStep);
        game.writeLines("Data/alpha.fed", promotionLines("ALP", "Alpha Wrestling Union"));
        game.writeLines("Data/beta.fed", promotionLines("BET", "Beta Combat League"));
        navigator.go(Screen::PromotionMenu);
    }
    void open(ChooserMode mode) {
        chooser.setMode(mode);
        navigator.go(Screen::PromotionChooser);
    }
    int row(std::string_view name) const {
        const auto& f = chooser.files();
        const auto it = std::find(f.begin(), f.end(), name);
        return it == f.end() ? -1 : static_cast<int>(it - f.begin());
    }
};

TEST_F(PromotionChooserTest, ListsOnlyFedFilesCaseSensitivelyInNameOrder) {
    EXPECT_EQ(chooser.heading(), "Editing Promotions");
    EXPECT_EQ(chooser.nameoffile(), "filename");
    game.write("Data/A.FED", "");
    game.write("Data/c.Fed", "");
    game.write("Data/notes.txt", "");
    game.write("Data/old.fed.bak", "");
    game.write("Data/.fed", "");
    game.makeFolder("Data/folder.fed");
    open(ChooserMode::Edit);
    EXPECT_EQ(chooser.files(), (std::vector<std::string>{".fed", "alpha.fed", "beta.fed"}));

    editor.menu.setContext("\\Scenarios\\Other World\\", context::kHeadingScenario);
    game.write("Scenarios/Other World/gamma.fed", "");
    open(ChooserMode::Delete);
    EXPECT_EQ(chooser.files(), std::vector<std::string>{"gamma.fed"}) << "the context's folder";
}

TEST_F(PromotionChooserTest, ClickingAFileShowsItsPromotionName) {
    game.write("Data/short.fed", "ONLY\r\n");
    open(ChooserMode::Edit);
    for (const auto& [file, name] :
         {std::pair{"beta.fed", "Beta Combat League"}, std::pair{"short.fed", ""},
          std::pair{"alpha.fed", "Alpha Wrestling Union"}}) {
        chooser.select(row(file));
        EXPECT_EQ(chooser.selected(), row(file));
        EXPECT_EQ(chooser.promptLine(), name) << file;
    }
    chooser.select(-1);
    EXPECT_EQ(chooser.selected(), -1);
    EXPECT_EQ(chooser.promptLine(), "Alpha Wrestling Union") << "unselecting reads nothing";
    EXPECT_EQ(chooser.nameoffile(), "filename") << "a click loads nothing";
    EXPECT_TRUE(laterStep.shownNames.empty());
}

TEST_F(PromotionChooserTest, EditLoadsTheFileFillsEveryStepAndShowsStep1) {
    platform::Lines stored = promotionLines("BET", "Beta Combat League");
    stored.push_back("an extra line");
    game.writeLines("Data/beta.fed", stored);
    open(ChooserMode::Edit);
    chooser.select(row("beta.fed"));
    chooser.act();

    EXPECT_EQ(chooser.record().lines(), stored) << "loaded exactly, extra lines included";
    EXPECT_EQ(chooser.nameoffile(), "beta.fed");
    EXPECT_EQ(editor.step1.shown(Step1Field::prominitials), "BET");
    EXPECT_EQ(laterStep.shownNames, std::vector<std::string>{"Beta Combat League"});
    EXPECT_EQ(navigator.current(), Screen::Step1);
    EXPECT_FALSE(navigator.isVisible(Screen::PromotionChooser));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(dialogs.busyNow());
}

TEST_F(PromotionChooserTest, FailedLoadNamesTheFileAndChangesNothing) {
    open(ChooserMode::Edit);
    chooser.select(row("alpha.fed"));
    chooser.act();
    navigator.go(Screen::PromotionChooser);
    const auto before = chooser.record().lines();
    laterStep.shownNames.clear();

    chooser.select(row("beta.fed"));
    fs::remove(game.path("Data/beta.fed")); // gone since it was listed
    chooser.act();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Kind::Message);
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_NE(dialogs.shown()[0].text.find("beta.fed"), std::string::npos);
    EXPECT_EQ(chooser.record().lines(), before);
    EXPECT_EQ(chooser.nameoffile(), "alpha.fed");
    EXPECT_TRUE(laterStep.shownNames.empty());
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
}

TEST_F(PromotionChooserTest, DeleteAsksThenDeletesRefreshesAndReports) {
    open(ChooserMode::Delete);
    chooser.select(row("alpha.fed"));

    dialogs.no();
    chooser.act();
    EXPECT_TRUE(game.exists("Data/alpha.fed"));
    EXPECT_EQ(chooser.selected(), row("alpha.fed"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Kind::Question);
    EXPECT_EQ(dialogs.shown()[0].text,
              "Are you sure you want to permanently delete this promotion?");
    EXPECT_EQ(dialogs.shown()[0].title, "BM 1.3 Official Editor");

    dialogs.clear();
    dialogs.yes();
    chooser.act();
    EXPECT_FALSE(game.exists("Data/alpha.fed"));
    EXPECT_EQ(chooser.files(), std::vector<std::string>{"beta.fed"});
    EXPECT_EQ(chooser.selected(), -1);
    EXPECT_EQ(chooser.promptLine(), "Alpha Wrestling Union") << "left as it was";
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, Kind::Message);
    EXPECT_EQ(dialogs.shown()[1].text, "Promotion Deleted.");
    EXPECT_EQ(dialogs.shown()[1].title, "BM 1.3 Official Editor");
    EXPECT_EQ(dialogs.shown()[1].icon, Icon::None);
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
    EXPECT_EQ(chooser.nameoffile(), "filename");
}

TEST_F(PromotionChooserTest, FailedDeleteNamesTheFileAndIsNotReportedAsDone) {
    open(ChooserMode::Delete);
    chooser.select(row("beta.fed"));
    // Since it was listed, the name has become a folder with content.
    fs::remove(game.path("Data/beta.fed"));
    game.write("Data/beta.fed/inside.txt", "x");
    dialogs.yes();
    chooser.act();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].icon, Icon::Critical);
    EXPECT_NE(dialogs.shown()[1].text.find("beta.fed"), std::string::npos);
    EXPECT_EQ(dialogs.texts().back().find("Promotion Deleted."), std::string::npos);
    EXPECT_TRUE(game.exists("Data/beta.fed/inside.txt"));
    EXPECT_EQ(chooser.files(), std::vector<std::string>{"alpha.fed"});
}

TEST_F(PromotionChooserTest, ActionWithNothingSelectedDoesNothingInEitherMode) {
    for (const auto mode : {ChooserMode::Edit, ChooserMode::Delete}) {
        open(mode);
        chooser.act();
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
        EXPECT_TRUE(game.exists("Data/alpha.fed"));
        EXPECT_EQ(chooser.record().lineCount(), 0u);
    }
}

TEST_F(PromotionChooserTest, BackShowsThePromotionMenu) {
    open(ChooserMode::Edit);
    chooser.back();
    EXPECT_EQ(navigator.current(), Screen::PromotionMenu);
    EXPECT_FALSE(navigator.isVisible(Screen::PromotionChooser));
}

TEST_F(PromotionChooserTest, StepOneBackAfterACreationListsTheFilesInEditMode) {
    dialogs.reply("new.fed");
    editor.promotionMenu.createPromotion();
    ASSERT_EQ(navigator.current(), Screen::Step1);

    dialogs.no();
    editor.step1.back();
    EXPECT_EQ(navigator.current(), Screen::Step1);

    dialogs.yes();
    editor.step1.back();
    EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
    EXPECT_FALSE(navigator.isVisible(Screen::Step1));
    EXPECT_EQ(chooser.heading(), "Edit Promotion");
    EXPECT_EQ(chooser.promptLine(), "Select Promotion To Edit");
    EXPECT_EQ(chooser.actionCaption(), "Edit This Promotion");
    EXPECT_EQ(chooser.files(), (std::vector<std::string>{"alpha.fed", "beta.fed"}));
    EXPECT_EQ(chooser.nameoffile(), "new.fed") << "the record keeps its content";
    EXPECT_EQ(chooser.record().get(line::prominitials), "BMF");
}

TEST_F(PromotionChooserTest, StepOneBackReturnsToTheChooserAsItWasLeft) {
    open(ChooserMode::Edit);
    chooser.select(row("beta.fed"));
    chooser.act();
    game.write("Data/aaa.fed", ""); // listed afresh: the selection follows its file
    dialogs.yes();
    editor.step1.back();
    EXPECT_EQ(chooser.heading(), "Edit Promotion");
    EXPECT_EQ(chooser.promptLine(), "Beta Combat League");
    EXPECT_EQ(chooser.files(), (std::vector<std::string>{"aaa.fed", "alpha.fed", "beta.fed"}));
    EXPECT_EQ(chooser.selected(), 2);
}

} // namespace
} // namespace bm::promotion
