#include "core/app/editor.h"

#include "core/promotion/record/promotion_layout.h"
#include "support/editor_fixture.h"

#include <functional>

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

TEST_F(EditorCloseTest, VenueAndScenarioEditsAwaitingTheirButtonAreNamed) {
    const std::string venue = "- the changes to the venue \"Quay Hall\", not yet confirmed in "
                              "\\Scenarios\\Tide\\venues.txt";
    const std::string info = "- the scenario information, not yet saved in "
                             "\\Scenarios\\Tide\\scenario.txt";
    auto& venues = editor.venueEditor;
    const auto capacity = [&](const char* answer) {
        venues.edit();
        dialogs.reply(answer), venues.editField(venues::VenueField::capacity);
    };
    const struct {
        const char* name;
        std::function<void()> act;
        std::string lost; // "" when closing asks nothing
    } cases[] = {
        // The stored "Mexico" shows as "Other": seeing it is no change.
        {"edit mode alone", [&] { venues.edit(); }, ""},
        {"the same capacity typed again", [&] { capacity("900 seats"); }, ""},
        {"confirmed", [&] { capacity("950"), venues.confirmChanges(); }, ""},
        {"both",
         [&] {
             capacity("950");
             dialogs.reply("Low"), editor.scenarioInfo.edit(context::ScenarioField::scenariodesc);
         },
         venue + "\r\n" + info},
    };
    for (const auto& c : cases) {
        game.writeLines("Scenarios/Tide/venues.txt",
                        {"Quay Hall", "Quay, Coast", "Quay", "900", "Mexico", "None"});
        game.writeLines("Scenarios/Tide/scenario.txt", {"Tide", "Waves", "Ann"});
        editor.context.enter(context::ContextKind::Scenario, "\\Scenarios\\Tide\\");
        editor.scenarioInfo.open();
        venues.open();
        c.act();
        navigator.quitRequested = false;
        dialogs.clear();
        if (!c.lost.empty()) {
            dialogs.no();
        }
        editor.closeRequested();
        EXPECT_EQ(dialogs.texts().empty() ? "" : dialogs.texts().front(),
                  c.lost.empty() ? ""
                                 : "Closing the editor now will lose work that has not been "
                                   "saved:\r\n\r\n" +
                                       c.lost + "\r\n\r\nClose the editor anyway?")
            << c.name;
        EXPECT_EQ(navigator.quitRequested, c.lost.empty()) << c.name;
        venues.cancelChanges();
        editor.scenarioInfo.ok();
    }
}

} // namespace
} // namespace bm::app
