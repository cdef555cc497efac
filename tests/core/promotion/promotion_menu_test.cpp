#include "core/promotion/promotion_menu.h"

#include "support/editor_fixture.h"

#include <tuple>

namespace bm::promotion {
namespace {

using ui::Icon;
using ui::Screen;
using Kind = test::ScriptedDialogs::Kind;

// One box as the user saw it: kind, title, text, icon, default answer.
using Box = std::tuple<Kind, std::string, std::string, Icon, std::string>;

// P: the filename prompt, short for the table below.
const Box P{Kind::Prompt, "Filename", "Please enter a filename for this new promotion.", Icon::None,
            "bmf.fed"};
const Box kExists{Kind::Message, "File Already Exists",
                  "There is already a file in this directory with that name. Please choose a "
                  "different name.",
                  Icon::None, ""};
const Box kInvalid{Kind::Message, "Filename Invalid", "The filename must end in .fed.", Icon::None,
                   ""};
Box unusable(const std::string& name) {
    return {Kind::Message, "Filename Invalid",
            "\"" + name +
                "\" cannot be used as a file name. A file name must not contain \\ / : * ? \" < "
                "> | or control characters, must not end in a space or a dot, and must not be a "
                "reserved device name such as CON, PRN, AUX, NUL, COM1 or LPT1.",
            Icon::Exclamation, ""};
}

class PromotionMenuTest : public test::EditorTest {
protected:
    PromotionChooser& chooser = editor.chooser;

    void SetUp() override { navigator.go(Screen::PromotionMenu); }
    std::vector<Box> boxes() const {
        std::vector<Box> out;
        for (const auto& s : dialogs.shown()) {
            out.emplace_back(s.kind, s.title, s.text, s.icon, s.initial);
        }
        return out;
    }
};

TEST_F(PromotionMenuTest, AsksForANameUntilItIsFreeUsableAndEndsInFed) {
    game.write("Data/taken.fed", "x\r\n");
    game.write("Data/taken", "x\r\n");
    platform::Lines created = makeTemplateRecord().lines();
    created[line::months[0].bigshowlogo] = "NA";
    const struct {
        std::vector<std::string> replies; // the last accepted one creates, "" cancels
        std::vector<Box> boxes;
    } cases[] = {
        {{"bmf.fed"}, {P}},
        {{""}, {P}},
        {{"taken.fed", "abc", "North Side.fed"}, {P, kExists, P, kInvalid, P}},
        {{"taken", ""}, {P, kExists, kInvalid, P}},
        {{"new.FED", ""}, {P, kInvalid, P}},
        {{"../taken.fed", ""}, {P, unusable("../taken.fed"), P}},
        {{"con.fed", ""}, {P, unusable("con.fed"), P}},
    };
    for (const auto& c : cases) {
        const std::string& last = c.replies.back();
        const bool made = !last.empty();
        navigator.go(Screen::PromotionMenu);
        dialogs.clear();
        chooser.record().set(line::prominitials, "EDITED");
        const auto before = chooser.record().lines();
        const std::string nameBefore = chooser.nameoffile();
        for (const auto& r : c.replies) {
            dialogs.reply(r);
        }
        editor.promotionMenu.createPromotion();
        EXPECT_EQ(boxes(), c.boxes) << c.replies.front();
        EXPECT_EQ(chooser.record().lines(), made ? created : before) << c.replies.front();
        EXPECT_EQ(chooser.nameoffile(), made ? last : nameBefore) << c.replies.front();
        EXPECT_EQ(navigator.current(), made ? Screen::Step1 : Screen::PromotionMenu);
        EXPECT_EQ(editor.step1.shown(Step1Field::prominitials), "BMF") << "step 1 was filled";
        EXPECT_FALSE(made && game.exists("Data/" + last)) << "nothing is written before the save";
    }
    EXPECT_EQ(game.read("Data/taken.fed"), "x\r\n");
}

} // namespace
} // namespace bm::promotion
