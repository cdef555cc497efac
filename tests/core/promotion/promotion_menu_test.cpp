#include "core/promotion/promotion_menu.h"

#include "support/editor_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using ui::Icon;
using ui::Screen;
using Kind = test::ScriptedDialogs::Kind;

// One box as the user saw it: kind, title, text, icon.
using Box = std::tuple<Kind, std::string, std::string, Icon>;

const Box kFilenamePrompt{Kind::Prompt, "Filename",
                          "Please enter a filename for this new promotion.", Icon::None};
const Box kExists{Kind::Message, "File Already Exists",
                  "There is already a file in this directory with that name. Please choose a "
                  "different name.",
                  Icon::None};
const Box kInvalid{Kind::Message, "Filename Invalid", "The filename must end in .fed.", Icon::None};
Box unusable(std::string_view name) {
    return {Kind::Message, "Filename Invalid", unusableFilenameMessage(name), Icon::Exclamation};
}

class PromotionMenuTest : public test::EditorTest {
protected:
    PromotionMenu& promotionMenu = editor.promotionMenu;
    PromotionChooser& chooser = editor.chooser;

    void SetUp() override {
        navigator.go(Screen::EditingMenu);
        editor.menu.press(context::MenuButton::Promotions);
    }
    std::vector<Box> boxes() const {
        std::vector<Box> out;
        for (const auto& s : dialogs.shown()) {
            out.emplace_back(s.kind, s.title, s.text, s.icon);
        }
        return out;
    }
};

TEST_F(PromotionMenuTest, EditingMenuOpensItAndBackReturns) {
    EXPECT_EQ(navigator.current(), Screen::PromotionMenu);
    EXPECT_FALSE(navigator.isVisible(Screen::EditingMenu));
    promotionMenu.back();
    EXPECT_EQ(navigator.current(), Screen::EditingMenu);
    EXPECT_FALSE(navigator.isVisible(Screen::PromotionMenu));
}

TEST_F(PromotionMenuTest, NewPromotionIsTheTemplateWithNoJanuaryLogoAndNothingOnDisk) {
    dialogs.reply("bmf.fed");
    promotionMenu.createPromotion();

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Filename");
    EXPECT_EQ(dialogs.shown()[0].initial, "bmf.fed");
    EXPECT_EQ(chooser.nameoffile(), "bmf.fed");
    platform::Lines expected = makeTemplateRecord().lines();
    expected[line::months[0].bigshowlogo] = "NA";
    EXPECT_EQ(chooser.record().lines(), expected);
    EXPECT_EQ(editor.step1.shown(Step1Field::prominitials), "BMF") << "step 1 was filled";
    EXPECT_EQ(navigator.current(), Screen::Step1);
    EXPECT_FALSE(navigator.isVisible(Screen::PromotionMenu));
    EXPECT_FALSE(game.exists("Data/bmf.fed"));
}

TEST_F(PromotionMenuTest, RefusedRepliesAreExplainedInOrderAndAskedAgain) {
    game.write("Data/taken.fed", "x\r\n");
    game.write("Data/taken", "x\r\n");
    const struct {
        std::string reply;
        std::vector<Box> refusals;
    } cases[] = {
        {"taken.fed", {kExists}},
        {"abc", {kInvalid}},
        {"taken", {kExists, kInvalid}},
        {"new.FED", {kInvalid}},
        {"new.Fed", {kInvalid}},
        {"new.fed.txt", {kInvalid}},
        {"a/b.fed", {unusable("a/b.fed")}},
        {"..\\up.fed", {unusable("..\\up.fed")}},
        {"../taken.fed", {unusable("../taken.fed")}},
        {"con.fed", {unusable("con.fed")}},
        {"LPT1.fed", {unusable("LPT1.fed")}},
        {"what?.fed", {unusable("what?.fed")}},
        {"a:b.fed", {unusable("a:b.fed")}},
        {"tab\t.fed", {unusable("tab\t.fed")}},
        {"trailing.fed ", {unusable("trailing.fed ")}},
        {"..", {unusable("..")}},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        dialogs.reply(c.reply).reply("");
        promotionMenu.createPromotion();
        std::vector<Box> expected{kFilenamePrompt};
        expected.insert(expected.end(), c.refusals.begin(), c.refusals.end());
        expected.push_back(kFilenamePrompt);
        EXPECT_EQ(boxes(), expected) << c.reply;
        EXPECT_EQ(chooser.nameoffile(), "filename") << c.reply;
        EXPECT_EQ(chooser.record().lineCount(), 0u) << c.reply;
        EXPECT_EQ(navigator.current(), Screen::PromotionMenu) << c.reply;
    }
    EXPECT_EQ(game.read("Data/taken.fed"), "x\r\n") << "an existing file is never replaced";
}

TEST_F(PromotionMenuTest, AsksUntilANameIsFreeAndEndsInFed) {
    game.write("Data/taken.fed", "x\r\n");
    dialogs.reply("taken.fed").reply("abc").reply("North Side.fed");
    promotionMenu.createPromotion();
    EXPECT_EQ(boxes(), (std::vector<Box>{kFilenamePrompt, kExists, kFilenamePrompt, kInvalid,
                                         kFilenamePrompt}));
    EXPECT_EQ(chooser.nameoffile(), "North Side.fed");
    EXPECT_EQ(navigator.current(), Screen::Step1);
}

TEST_F(PromotionMenuTest, CancelLeavesTheRecordAndFileNameAsTheyWere) {
    dialogs.reply("first.fed");
    promotionMenu.createPromotion();
    chooser.record().set(line::prominitials, "EDITED");
    const auto before = chooser.record().lines();
    navigator.go(Screen::PromotionMenu);

    dialogs.reply("");
    promotionMenu.createPromotion();
    EXPECT_EQ(chooser.record().lines(), before);
    EXPECT_EQ(chooser.nameoffile(), "first.fed");
    EXPECT_EQ(navigator.current(), Screen::PromotionMenu);
}

TEST_F(PromotionMenuTest, EditAndDeleteSetTheChooserModeAndShowIt) {
    game.write("Data/b.fed", "");
    game.write("Data/a.fed", "");
    const struct {
        bool deleting;
        const char* heading;
        const char* prompt;
        const char* action;
    } cases[] = {
        {false, "Edit Promotion", "Select Promotion To Edit", "Edit This Promotion"},
        {true, "Delete Promotion", "Select Promotion To Delete", "Delete This Promotion"},
    };
    for (const auto& c : cases) {
        navigator.go(Screen::PromotionMenu);
        if (c.deleting) {
            promotionMenu.deletePromotion();
        } else {
            promotionMenu.editPromotion();
        }
        EXPECT_EQ(navigator.current(), Screen::PromotionChooser);
        EXPECT_FALSE(navigator.isVisible(Screen::PromotionMenu));
        EXPECT_EQ(chooser.heading(), c.heading);
        EXPECT_EQ(chooser.promptLine(), c.prompt);
        EXPECT_EQ(chooser.actionCaption(), c.action);
        EXPECT_EQ(chooser.files(), (std::vector<std::string>{"a.fed", "b.fed"}));
        EXPECT_EQ(chooser.selected(), -1);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
} // namespace bm::promotion
