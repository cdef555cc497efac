#include "core/app/editor.h"

#include "core/promotion/record/promotion_layout.h"
#include "support/editor_fixture.h"

namespace bm::app {
namespace {

using ui::Screen;

class EditorCloseTest : public test::EditorTest {
protected:
    void SetUp() override {
        game.writeLines("Data/maindata.bm1", {"a", "b", "Wednesday", "18", "August", "2004"});
        game.writeLines("Data/old.fed", promotion::makeTemplateRecord().lines());
    }
};

TEST_F(EditorCloseTest, AsksOnlyWhenWorkWouldBeLostAndNamesIt) {
    const std::string promotion = "- the changes to the promotion \"old.fed\"";
    const std::string date = "- the start date Thursday 18 August 2004, not yet saved in "
                             "\\Data\\maindata.bm1";
    const std::string roster = "- the changes to the roster";
    const struct {
        const char* name;
        Screen from;
        bool editPromotion, editDate, editRoster;
        std::vector<std::string> lost; // empty: no question
        bool yes;
    } cases[] = {
        {"start screen: Exit", Screen::Start, true, true, true, {}, false},
        {"nothing changed", Screen::Step1, false, false, false, {}, false},
        {"promotion, No", Screen::Step1, true, false, false, {promotion}, false},
        {"promotion, Yes", Screen::Step1, true, false, false, {promotion}, true},
        {"start date", Screen::StartDate, false, true, false, {date}, false},
        {"everything", Screen::StartDate, true, true, true, {promotion, date, roster}, true},
    };
    bool rosterChanged = false;
    editor.addUnsavedWork([&] { return rosterChanged ? "the changes to the roster" : ""; });
    for (const auto& c : cases) {
        editor.chooser.setMode(promotion::ChooserMode::Edit);
        editor.chooser.select(0);
        editor.chooser.act(); // loading alone changes nothing
        if (c.editPromotion) {
            dialogs.reply("New Name");
            editor.step1.edit(promotion::Step1Field::promname);
        }
        editor.startDate.open();
        if (c.editDate) {
            editor.startDate.chooseWeekday("Thursday");
        }
        rosterChanged = c.editRoster;
        navigator.go(c.from);
        navigator.quitRequested = false;
        dialogs.clear();
        if (!c.lost.empty()) {
            c.yes ? dialogs.yes() : dialogs.no();
        }

        editor.closeRequested();
        std::vector<std::string> asked;
        for (const auto& shown : dialogs.shown()) {
            EXPECT_EQ(shown.answer, ui::Default::No) << c.name << ": Enter keeps the work";
            EXPECT_EQ(shown.icon, ui::Icon::Exclamation) << c.name;
            asked.push_back(shown.text);
        }
        std::string question = "Closing the editor now will lose work that has not been saved:\r\n";
        for (const auto& work : c.lost) {
            question += "\r\n" + work;
        }
        question += "\r\n\r\nClose the editor anyway?";
        EXPECT_EQ(asked,
                  c.lost.empty() ? std::vector<std::string>{} : std::vector<std::string>{question})
            << c.name;
        EXPECT_EQ(navigator.quitRequested, c.lost.empty() || c.yes) << c.name;
        if (c.editDate) {
            dialogs.no(); // leave without saving
        }
        editor.startDate.backToMenu();
    }
}

} // namespace
} // namespace bm::app
